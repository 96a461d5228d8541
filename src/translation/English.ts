<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CdkPopup</name>
    <message>
        <source>Please input your CDKEY</source>
        <translation>Please input your CDKEY</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Successfully</translation>
    </message>
    <message>
        <source>Redeem CDKEY</source>
        <translation>Redeem CDKEY</translation>
    </message>
    <message>
        <source>Please enter CDKEY</source>
        <translation>Please enter CDKEY</translation>
    </message>
    <message>
        <source>How to generate?</source>
        <translation>How to generate?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>ComboBoxApiMeal</name>
    <message>
        <source>Popular Plan</source>
        <translation>Popular Plan</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Long Acting ISP Plan</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Static ISP Proxy</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Random</translation>
    </message>
</context>
<context>
    <name>ComboBoxCountry</name>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceCountry</name>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceStatus</name>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Dropped</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>ComboBoxEquipmentCountry</name>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
</context>
<context>
    <name>ComboCategory</name>
    <message>
        <source>Please select</source>
        <translation>Please select</translation>
    </message>
</context>
<context>
    <name>ComboLocation</name>
    <message>
        <source>e.g., US</source>
        <translation>e.g., US</translation>
    </message>
</context>
<context>
    <name>EditLogin</name>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
</context>
<context>
    <name>InterfacePost</name>
    <message>
        <source>The line is no longer listed.</source>
        <translation>The line is no longer listed.</translation>
    </message>
    <message>
        <source>The local engine could not be reached.</source>
        <translation>The local engine could not be reached.</translation>
    </message>
    <message>
        <source>Your data plan is insufficient,please renew.</source>
        <translation>Your data plan is insufficient,please renew.</translation>
    </message>
    <message>
        <source>Your IP number is insufficient,please renew.</source>
        <translation>Your IP number is insufficient,please renew.</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>The program list is empty,please add the program first!</translation>
    </message>
</context>
<context>
    <name>InterfaceRecv</name>
    <message>
        <source>Please start BitBrowser first</source>
        <translation>Please start BitBrowser first</translation>
    </message>
    <message>
        <source>The service could not be reached. Please try again.</source>
        <translation>The service could not be reached. Please try again.</translation>
    </message>
    <message>
        <source>upload failed</source>
        <translation>upload failed</translation>
    </message>
    <message>
        <source>Submit failed</source>
        <translation>Submit failed</translation>
    </message>
    <message>
        <source>Redeem failed</source>
        <translation>Redeem failed</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your account and try again.</source>
        <translation>Sign-in failed. Please check your account and try again.</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Please enter email or username</source>
        <translation>Please enter email or username</translation>
    </message>
    <message>
        <source>Please enter password</source>
        <translation>Please enter password</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Log In</translation>
    </message>
    <message>
        <source>Please enter account or email</source>
        <translation>Please enter account or email</translation>
    </message>
    <message>
        <source>Auto Log In</source>
        <translation>Auto Log In</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Forgot Password?</translation>
    </message>
    <message>
        <source>Or login with</source>
        <translation>Or login with</translation>
    </message>
    <message>
        <source>Not registered yet ?  </source>
        <translation>Not registered yet ?  </translation>
    </message>
    <message>
        <source>Creat an Account</source>
        <translation>Creat an Account</translation>
    </message>
</context>
<context>
    <name>PopupBrowser</name>
    <message>
        <source>Unnamed</source>
        <translation>Unnamed</translation>
    </message>
    <message>
        <source>Successfully!</source>
        <translation>Successfully!</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>Anti-detection browser</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Anti-detection browser:</source>
        <translation>Anti-detection browser:</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Browser profiles:</source>
        <translation>Browser profiles:</translation>
    </message>
    <message>
        <source>Please get the latest list</source>
        <translation>Please get the latest list</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>*The browser list has changed, or this function is used for the first time, please synchronize the latest list</source>
        <translation>*The browser list has changed, or this function is used for the first time, please synchronize the latest list</translation>
    </message>
    <message>
        <source>Automatically restart the browser when the proxy changes</source>
        <translation>Automatically restart the browser when the proxy changes</translation>
    </message>
    <message>
        <source>Clear Cookies Before Launch</source>
        <translation>Clear Cookies Before Launch</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save &amp; Close</source>
        <translation>Save &amp; Close</translation>
    </message>
</context>
<context>
    <name>PopupFeedback</name>
    <message>
        <source>Please selete category</source>
        <translation>Please selete category</translation>
    </message>
    <message>
        <source>Please input your email</source>
        <translation>Please input your email</translation>
    </message>
    <message>
        <source>Please input your problem</source>
        <translation>Please input your problem</translation>
    </message>
    <message>
        <source>Thanks! We have received your feedback.</source>
        <translation>Thanks! We have received your feedback.</translation>
    </message>
    <message>
        <source>Select Picture</source>
        <translation>Select Picture</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Fill in the fields bellow and one of our support agents will personally get back to you very soon.</source>
        <translation>Fill in the fields bellow and one of our support agents will personally get back to you very soon.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Your email</source>
        <translation>Your email</translation>
    </message>
    <message>
        <source>Enter your email</source>
        <translation>Enter your email</translation>
    </message>
    <message>
        <source>What&apos;s the problem?</source>
        <translation>What&apos;s the problem?</translation>
    </message>
    <message>
        <source>Describe your problem</source>
        <translation>Describe your problem</translation>
    </message>
    <message>
        <source>Add picture(Upload up to 3)</source>
        <translation>Add picture(Upload up to 3)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Submit</translation>
    </message>
</context>
<context>
    <name>PopupNotice</name>
    <message>
        <source>Notice</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>No notification yet</source>
        <translation>No notification yet</translation>
    </message>
</context>
<context>
    <name>ProxyManager</name>
    <message>
        <source>No free local port</source>
        <translation>No free local port</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>Connect the program to a proxy first</source>
        <translation>Connect the program to a proxy first</translation>
    </message>
    <message>
        <source>This file cannot be run</source>
        <translation>This file cannot be run</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>The program list is empty,please add the program first!</translation>
    </message>
</context>
<context>
    <name>RadioMealBase</name>
    <message>
        <source>IPs</source>
        <translation>IPs</translation>
    </message>
    <message>
        <source>Recharge</source>
        <translation>Recharge</translation>
    </message>
</context>
<context>
    <name>RectSettings</name>
    <message>
        <source>Begin Port</source>
        <translation>Begin Port</translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Port Number</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Successfully</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Not saved: %1</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>General Settings</translation>
    </message>
    <message>
        <source>Begin Port:</source>
        <translation>Begin Port:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Port Number:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Do not remove duplicate Proxies</source>
        <translation>Do not remove duplicate Proxies</translation>
    </message>
    <message>
        <source>Purchased proxies may appear when refreshing the ProxyList</source>
        <translation>Purchased proxies may appear when refreshing the ProxyList</translation>
    </message>
    <message>
        <source>Remove duplicate proxies,No duplicate proxies will be acquired within</source>
        <translation>Remove duplicate proxies,No duplicate proxies will be acquired within</translation>
    </message>
    <message>
        <source>Once set, purchased proxies will no longer appear when refreshing the ProxyList</source>
        <translation>Once set, purchased proxies will no longer appear when refreshing the ProxyList</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>hours</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Automatically launch Qel Proxy when you turn on your device:</source>
        <translation>Automatically launch Qel Proxy when you turn on your device:</translation>
    </message>
</context>
<context>
    <name>SearchManager</name>
    <message>
        <source>Popular Plan</source>
        <translation>Popular Plan</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Long Acting ISP Plan</translation>
    </message>
</context>
<context>
    <name>TipsCustomPopup</name>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Recharge Now</source>
        <translation>Recharge Now</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>Sure</translation>
    </message>
</context>
<context>
    <name>UpdatePopup</name>
    <message>
        <source>Update Prompt</source>
        <translation>Update Prompt</translation>
    </message>
    <message>
        <source>New version found V</source>
        <translation>New version found V</translation>
    </message>
    <message>
        <source>Update anomalies?</source>
        <translation>Update anomalies?</translation>
    </message>
    <message>
        <source>To the website</source>
        <translation>To the website</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Update Now</translation>
    </message>
    <message>
        <source>This is the latest version!</source>
        <translation>This is the latest version!</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>Sure</translation>
    </message>
    <message>
        <source>The client version you are using has been disabled. Please download and install again from the offical website.</source>
        <translation>The client version you are using has been disabled. Please download and install again from the offical website.</translation>
    </message>
    <message>
        <source>Go Now</source>
        <translation>Go Now</translation>
    </message>
    <message>
        <source>Updating......</source>
        <translation>Updating......</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Official Website</translation>
    </message>
    <message>
        <source>The new version was downloaded and saved to:</source>
        <translation>The new version was downloaded and saved to:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>WebRecv</name>
    <message>
        <source>Only web pages can be opened.</source>
        <translation>Only web pages can be opened.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="vanished">Version</translation>
    </message>
    <message>
        <source>The proxy has expired and cannot be renewed</source>
        <translation>The proxy has expired and cannot be renewed</translation>
    </message>
    <message>
        <source>Hello World</source>
        <translation>Hello World</translation>
    </message>
    <message>
        <source>发送消息</source>
        <translation>Send Message</translation>
    </message>
</context>
<context>
    <name>mainLoader</name>
    <message>
        <source>Function</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Proxy List</source>
        <translation>Proxy List</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Static ISP Proxy</translation>
    </message>
    <message>
        <source>Today List</source>
        <translation>Today List</translation>
    </message>
    <message>
        <source>Favorite List</source>
        <translation>Favorite List</translation>
    </message>
    <message>
        <source>API</source>
        <translation>API</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Group Control</source>
        <translation>Group Control</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>New Version is Online,</source>
        <translation>New Version is Online,</translation>
    </message>
    <message>
        <source>Update Immediately</source>
        <translation>Update Immediately</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Local Proxy:</source>
        <translation>Local Proxy:</translation>
    </message>
    <message>
        <source>Local IP:</source>
        <translation>Local IP:</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>Popular Plan</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Long Acting ISP Plan</translation>
    </message>
    <message>
        <source>Traffic Plan</source>
        <translation>Traffic Plan</translation>
    </message>
    <message>
        <source>Dedicated Static IP</source>
        <translation>Dedicated Static IP</translation>
    </message>
    <message>
        <source>Datacenter Proxy</source>
        <translation>Datacenter Proxy</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Country Code</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Please use in non Chinese Mainland environment</source>
        <translation>Please use in non Chinese Mainland environment</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Log Out</translation>
    </message>
</context>
</TS>
