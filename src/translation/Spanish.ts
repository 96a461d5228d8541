<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CdkPopup</name>
    <message>
        <source>Please input your CDKEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redeem CDKEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter CDKEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to generate?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComboBoxApiMeal</name>
    <message>
        <source>Popular Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComboBoxCountry</name>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceCountry</name>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceStatus</name>
    <message>
        <source>Offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComboBoxEquipmentCountry</name>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComboCategory</name>
    <message>
        <source>Please select</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComboLocation</name>
    <message>
        <source>e.g., US</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditLogin</name>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InterfacePost</name>
    <message>
        <source>The line is no longer listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The local engine could not be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your data plan is insufficient,please renew.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your IP number is insufficient,please renew.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InterfaceRecv</name>
    <message>
        <source>Please start BitBrowser first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service could not be reached. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upload failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redeem failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your account and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Please enter email or username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter account or email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Log In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or login with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not registered yet ?  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creat an Account</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PopupBrowser</name>
    <message>
        <source>Unnamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anti-detection browser:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser profiles:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please get the latest list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*The browser list has changed, or this function is used for the first time, please synchronize the latest list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically restart the browser when the proxy changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Cookies Before Launch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp; Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PopupFeedback</name>
    <message>
        <source>Please selete category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input your email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input your problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanks! We have received your feedback.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill in the fields bellow and one of our support agents will personally get back to you very soon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s the problem?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Describe your problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add picture(Upload up to 3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PopupNotice</name>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No notification yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProxyManager</name>
    <message>
        <source>No free local port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RadioMealBase</name>
    <message>
        <source>IPs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recharge</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RectSettings</name>
    <message>
        <source>Begin Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not remove duplicate Proxies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchased proxies may appear when refreshing the ProxyList</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove duplicate proxies,No duplicate proxies will be acquired within</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once set, purchased proxies will no longer appear when refreshing the ProxyList</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically launch Qel Proxy when you turn on your device:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchManager</name>
    <message>
        <source>Popular Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TipsCustomPopup</name>
    <message>
        <source>Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recharge Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sure</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdatePopup</name>
    <message>
        <source>Update Prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New version found V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update anomalies?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To the website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the latest version!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The client version you are using has been disabled. Please download and install again from the offical website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new version was downloaded and saved to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebRecv</name>
    <message>
        <source>Only web pages can be opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="vanished">Versión</translation>
    </message>
    <message>
        <source>The proxy has expired and cannot be renewed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hello World</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送消息</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mainLoader</name>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorite List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>API</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Version is Online,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Immediately</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Proxy:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traffic Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dedicated Static IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datacenter Proxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please use in non Chinese Mainland environment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
