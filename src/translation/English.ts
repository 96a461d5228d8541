<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ApiExamples</name>
    <message>
        <source>Use a random proxy from any country</source>
        <translation>Use a random proxy from any country</translation>
    </message>
    <message>
        <source>Use a random proxy from the United States</source>
        <translation>Use a random proxy from the United States</translation>
    </message>
    <message>
        <source>Use a random proxy from US, state: NewYork</source>
        <translation>Use a random proxy from US, state: NewYork</translation>
    </message>
    <message>
        <source>Use a random proxy from US, state: NewYork, city: New York</source>
        <translation>Use a random proxy from US, state: NewYork, city: New York</translation>
    </message>
    <message>
        <source>Use a random proxy zip code is 000</source>
        <translation>Use a random proxy zip code is 000</translation>
    </message>
    <message>
        <source>Use the proxy of the specified isp operator, such as 000</source>
        <translation>Use the proxy of the specified isp operator, such as 000</translation>
    </message>
    <message>
        <source>Use random proxy from port 40010</source>
        <translation>Use random proxy from port 40010</translation>
    </message>
    <message>
        <source>If you want to use a proxy with a specified IP segment, you can set it like this：</source>
        <translation>If you want to use a proxy with a specified IP segment, you can set it like this：</translation>
    </message>
    <message>
        <source>Port 40000 uses a US proxy, port 40001 uses a Japanese proxy, and port 40002 uses a UK proxy</source>
        <translation>Port 40000 uses a US proxy, port 40001 uses a Japanese proxy, and port 40002 uses a UK proxy</translation>
    </message>
    <message>
        <source>If you want different ports to use proxies from different countries, you can set it like this:</source>
        <translation>If you want different ports to use proxies from different countries, you can set it like this:</translation>
    </message>
    <message>
        <source>Free the specified port, for example free 40000, 40001, 40002 ports</source>
        <translation>Free the specified port, for example free 40000, 40001, 40002 ports</translation>
    </message>
    <message>
        <source>If you want to free the port, you can use the free_port parameter: (Version 1.2.7 and above)</source>
        <translation>If you want to free the port, you can use the free_port parameter: (Version 1.2.7 and above)</translation>
    </message>
    <message>
        <source>Free all ports</source>
        <translation>Free all ports</translation>
    </message>
    <message>
        <source>The starting port is 30,000, and the number of ports is 10. (The quantity limit is 99)</source>
        <translation>The starting port is 30,000, and the number of ports is 10. (The quantity limit is 99)</translation>
    </message>
    <message>
        <source>If you want to modify the number and range of the end mouth, you can operate this way. (Version 1.2.9 and above)</source>
        <translation>If you want to modify the number and range of the end mouth, you can operate this way. (Version 1.2.9 and above)</translation>
    </message>
    <message>
        <source>PARAMETER_ERROR_NUM</source>
        <translation>PARAMETER_ERROR_NUM</translation>
    </message>
    <message>
        <source>num parameter input error, please check</source>
        <translation>num parameter input error, please check</translation>
    </message>
    <message>
        <source>PARAMETER_ERROR_IP_TIME</source>
        <translation>PARAMETER_ERROR_IP_TIME</translation>
    </message>
    <message>
        <source>The ip_time parameter is entered incorrectly, please enter 1 or 2 or 3</source>
        <translation>The ip_time parameter is entered incorrectly, please enter 1 or 2 or 3</translation>
    </message>
    <message>
        <source>Error in initialization parameters:MacAdd</source>
        <translation>Error in initialization parameters:MacAdd</translation>
    </message>
    <message>
        <source>There is a problem with the client, please restart or reinstall</source>
        <translation>There is a problem with the client, please restart or reinstall</translation>
    </message>
    <message>
        <source>Please set the allocation port first</source>
        <translation>Please set the allocation port first</translation>
    </message>
    <message>
        <source>No port set</source>
        <translation>No port set</translation>
    </message>
    <message>
        <source>Up to 10 IP of this type can be extracted at a time</source>
        <translation>Up to 10 IP of this type can be extracted at a time</translation>
    </message>
    <message>
        <source>The number of fetches exceeds the upper limit, and the static plan can fetch up to 10 at a time</source>
        <translation>The number of fetches exceeds the upper limit, and the static plan can fetch up to 10 at a time</translation>
    </message>
    <message>
        <source>The set port segment does not meet the extraction quantity</source>
        <translation>The set port segment does not meet the extraction quantity</translation>
    </message>
    <message>
        <source>The number of extractions is too large, exceeding the set port range</source>
        <translation>The number of extractions is too large, exceeding the set port range</translation>
    </message>
    <message>
        <source>Port not enabled</source>
        <translation>Port not enabled</translation>
    </message>
    <message>
        <source>The currently set port is not enabled</source>
        <translation>The currently set port is not enabled</translation>
    </message>
    <message>
        <source>Insufficient ip balance, please buy first</source>
        <translation>Insufficient ip balance, please buy first</translation>
    </message>
    <message>
        <source>Account balance is exhausted, please recharge</source>
        <translation>Account balance is exhausted, please recharge</translation>
    </message>
    <message>
        <source>Failed to get IP, please try again later</source>
        <translation>Failed to get IP, please try again later</translation>
    </message>
    <message>
        <source>The interface request failed, please check the network environment and try again</source>
        <translation>The interface request failed, please check the network environment and try again</translation>
    </message>
    <message>
        <source>If the proxy cannot be obtained through the API, the following errors may occur and the reasons:</source>
        <translation>If the proxy cannot be obtained through the API, the following errors may occur and the reasons:</translation>
    </message>
    <message>
        <source>country code</source>
        <translation>country code</translation>
    </message>
</context>
<context>
    <name>ApiHistoryListView</name>
    <message>
        <source>BindIP</source>
        <translation>BindIP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>BuyTime</source>
        <translation>BuyTime</translation>
    </message>
</context>
<context>
    <name>ApiHistoryPopup</name>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>ApiParameterModel</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>ILLUSTRATE</source>
        <translation>ILLUSTRATE</translation>
    </message>
    <message>
        <source>Get the number of proxies, ≤200</source>
        <translation>Get the number of proxies, ≤200</translation>
    </message>
    <message>
        <source>Country, default is all, </source>
        <translation>Country, default is all, </translation>
    </message>
    <message>
        <source>State, default is all</source>
        <translation>State, default is all</translation>
    </message>
    <message>
        <source>City, default is all</source>
        <translation>City, default is all</translation>
    </message>
    <message>
        <source>Zip, default is all</source>
        <translation>Zip, default is all</translation>
    </message>
    <message>
        <source>Isp, default is all</source>
        <translation>Isp, default is all</translation>
    </message>
    <message>
        <source>Package Type, default  is Popular Plan
1=Popular Plan, 3= Long Acting ISP Plan</source>
        <translation>Package Type, default  is Popular Plan
1=Popular Plan, 3= Long Acting ISP Plan</translation>
    </message>
    <message>
        <source>Data Format
1=txt, 2=json</source>
        <translation>Data Format
1=txt, 2=json</translation>
    </message>
    <message>
        <source>Start port, default port is 30000</source>
        <translation>Start port, default port is 30000</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>REQUIRED</translation>
    </message>
    <message>
        <source>country code</source>
        <translation>country code</translation>
    </message>
</context>
<context>
    <name>BatchDisconnectPopup</name>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>After connection, the mobile device immediately start the proxy</source>
        <translation>After connection, the mobile device immediately start the proxy</translation>
    </message>
    <message>
        <source>After disconnection, the mobile device immediately stops the proxy</source>
        <translation>After disconnection, the mobile device immediately stops the proxy</translation>
    </message>
    <message>
        <source>Device selected:</source>
        <translation>Device selected:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
</context>
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
    <name>DisconnectCheck</name>
    <message>
        <source>Click to disconnect</source>
        <translation>Click to disconnect</translation>
    </message>
    <message>
        <source>Click to connect</source>
        <translation>Click to connect</translation>
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
    <name>EquipmentLineModel</name>
    <message>
        <source>Renew</source>
        <translation>Renew</translation>
    </message>
</context>
<context>
    <name>EquipmentModel</name>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Dropped</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
</context>
<context>
    <name>FieldCheck</name>
    <message>
        <source>Enter a whole number from 1 to 200</source>
        <translation>Enter a whole number from 1 to 200</translation>
    </message>
    <message>
        <source>Enter one to four numbers from 0 to 255, separated by dots</source>
        <translation>Enter one to four numbers from 0 to 255, separated by dots</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535</source>
        <translation>Enter a port from 1 to 65535</translation>
    </message>
    <message>
        <source>This port belongs to the proxy ports</source>
        <translation>This port belongs to the proxy ports</translation>
    </message>
    <message>
        <source>Enter whole minutes from 5 to 720</source>
        <translation>Enter whole minutes from 5 to 720</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>The file does not exist</translation>
    </message>
    <message>
        <source>Choose a file, not a folder</source>
        <translation>Choose a file, not a folder</translation>
    </message>
    <message>
        <source>The file is not a program that can run</source>
        <translation>The file is not a program that can run</translation>
    </message>
</context>
<context>
    <name>FileDialogDefault</name>
    <message>
        <source>Select Program</source>
        <translation>Select Program</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>HeldLinePage</name>
    <message>
        <source>Successfully</source>
        <translation>Successfully</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>No proxy were found matching the results.</translation>
    </message>
    <message>
        <source>go to use</source>
        <translation>go to use</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>PortForwardList</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>ProxyIP</translation>
    </message>
    <message>
        <source>TimeType</source>
        <translation>TimeType</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>ZIP</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Buy Time</source>
        <translation>Buy Time</translation>
    </message>
</context>
<context>
    <name>HeldLineRow</name>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>False</source>
        <translation>False</translation>
    </message>
    <message>
        <source>True</source>
        <translation>True</translation>
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
        <source>The line list could not be loaded.</source>
        <translation>The line list could not be loaded.</translation>
    </message>
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
    <name>LocationFilterBar</name>
    <message>
        <source>Country:</source>
        <translation>Country:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>US</source>
        <translation>US</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>State:</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>New York</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>City:</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>ISP:</source>
        <translation>ISP:</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>t-mobile</source>
        <translation>t-mobile</translation>
    </message>
    <message>
        <source>Zip:</source>
        <translation>Zip:</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Zip</translation>
    </message>
    <message>
        <source>91***</source>
        <translation>91***</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Clear All</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>Anti-detection browser</translation>
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
        <translation>Create an Account</translation>
    </message>
</context>
<context>
    <name>PlanNames</name>
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
        <source>Traffic Plan</source>
        <translation>Traffic Plan</translation>
    </message>
</context>
<context>
    <name>PopupBindPort</name>
    <message>
        <source> (Used)</source>
        <translation> (Used)</translation>
    </message>
    <message>
        <source> (Free)</source>
        <translation> (Free)</translation>
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
    <name>PopupEquipmentLine</name>
    <message>
        <source>Successfully</source>
        <translation>Successfully</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>No proxy were found matching the results.</translation>
    </message>
    <message>
        <source>Select Proxy</source>
        <translation>Select Proxy</translation>
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
        <source>Static ISP Proxy</source>
        <translation>Static ISP Proxy</translation>
    </message>
    <message>
        <source>Proxy History</source>
        <translation>Proxy History</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Zip</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Different proxies for different device</source>
        <translation>Different proxies for different device</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Clear All</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>New York</translation>
    </message>
</context>
<context>
    <name>PopupFeedback</name>
    <message>
        <source>Please selete category</source>
        <translation>Please select category</translation>
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
        <translation>Fill in the fields below and one of our support agents will personally get back to you very soon.</translation>
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
    <name>PopupForwared</name>
    <message>
        <source>Globle connect</source>
        <translation>Globle connect</translation>
    </message>
    <message>
        <source>Program connect</source>
        <translation>Program connect</translation>
    </message>
    <message>
        <source>Forward Port To Proxy</source>
        <translation>Forward Port To Proxy</translation>
    </message>
    <message>
        <source>Forward </source>
        <translation>Forward </translation>
    </message>
    <message>
        <source>Remove from FavoriteList</source>
        <translation>Remove from FavoriteList</translation>
    </message>
    <message>
        <source>Add to FavoriteList</source>
        <translation>Add to FavoriteList</translation>
    </message>
</context>
<context>
    <name>PopupModel</name>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Confirm this operation?</source>
        <translation>Confirm this operation?</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Deduct IP:</source>
        <translation>Deduct IP:</translation>
    </message>
    <message>
        <source>This port range no longer exists; please choose one again.</source>
        <translation>This port range no longer exists; please choose one again.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Now IP:</source>
        <translation>Now IP:</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Extracting</translation>
    </message>
    <message>
        <source>Processing:</source>
        <translation>Processing:</translation>
    </message>
    <message>
        <source>Extract IP Is Completed</source>
        <translation>Extract IP Is Completed</translation>
    </message>
    <message>
        <source>Success:</source>
        <translation>Success:</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>Failed:</translation>
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
    <message>
        <source>Choose a notice on the left to read it</source>
        <translation>Choose a notice on the left to read it</translation>
    </message>
</context>
<context>
    <name>PortForwardList</name>
    <message>
        <source>Local IP</source>
        <translation>Local IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>BindIP</source>
        <translation>BindIP</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Operate</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copy Success</source>
        <translation>Copy Success</translation>
    </message>
    <message>
        <source>Forward List</source>
        <translation>Forward List</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Used</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>The current list is empty</source>
        <translation>The current list is empty</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Free All</source>
        <translation>Free All</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copy All</translation>
    </message>
    <message>
        <source>Free</source>
        <comment>action</comment>
        <translation>Free</translation>
    </message>
</context>
<context>
    <name>ProgramHistoryListView</name>
    <message>
        <source>LocalIp</source>
        <translation>LocalIp</translation>
    </message>
    <message>
        <source>BindIP</source>
        <translation>BindIP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
</context>
<context>
    <name>ProgramHistoryPopup</name>
    <message>
        <source>No proxy used for programs yet</source>
        <translation>No proxy used for programs yet</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>ProgramMenuPopup</name>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Romove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Go ProxyList</source>
        <translation>Go ProxyList</translation>
    </message>
</context>
<context>
    <name>ProgramRect</name>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Zip</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Successfully</translation>
    </message>
    <message>
        <source>Add application</source>
        <translation>Add application</translation>
    </message>
    <message>
        <source>How to use?</source>
        <translation>How to use?</translation>
    </message>
    <message>
        <source>&quot;Run&quot; starts a program with its proxy variables set to the connected exit; programs that ignore them go out directly.</source>
        <translation>&quot;Run&quot; starts a program with its proxy variables set to the connected exit; programs that ignore them go out directly.</translation>
    </message>
    <message>
        <source>click &quot;Browse&quot; to select the application</source>
        <translation>click &quot;Browse&quot; to select the application</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Automatically switch IP:</source>
        <translation>Automatically switch IP:</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>Close the program before switching IP</source>
        <translation>Close the program before switching IP</translation>
    </message>
    <message>
        <source>Turn off automatic proxy</source>
        <translation>Turn off automatic proxy</translation>
    </message>
    <message>
        <source>Turn on automatic proxy</source>
        <translation>Turn on automatic proxy</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Custom Proxy History</source>
        <translation>Custom Proxy History</translation>
    </message>
</context>
<context>
    <name>ProxyLineModel</name>
    <message>
        <source>Renew</source>
        <translation>Renew</translation>
    </message>
</context>
<context>
    <name>ProxyListPage</name>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>No proxy were found matching the results.</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>ProxyIP</translation>
    </message>
    <message>
        <source>Expiration time</source>
        <translation>Expiration time</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>ZIP</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Successfully</translation>
    </message>
    <message>
        <source>loading...</source>
        <translation>loading...</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>PortForwardList</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
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
    <name>RectAPISecond</name>
    <message>
        <source>Successfully</source>
        <translation>Successfully</translation>
    </message>
    <message>
        <source>API Proxy History</source>
        <translation>API Proxy History</translation>
    </message>
    <message>
        <source>Package Type:  </source>
        <translation>Package Type:  </translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>Popular Plan</translation>
    </message>
    <message>
        <source>IP Extraction:  </source>
        <translation>IP Extraction:  </translation>
    </message>
    <message>
        <source>Location:   </source>
        <translation>Location:   </translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Other:  </source>
        <translation>Other:  </translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Zip</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Clear All</translation>
    </message>
    <message>
        <source>API Port:   </source>
        <translation>API Port:   </translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>After modication,please click the [Restart] button</source>
        <translation>After modification, please click the [Restart] button</translation>
    </message>
    <message>
        <source>API Link:   </source>
        <translation>API Link:   </translation>
    </message>
    <message>
        <source>Click the Start Proxy button to view the link.</source>
        <translation>Click the Start Proxy button to view the link.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Open Link</translation>
    </message>
    <message>
        <source>Tips: In API mode, the number of IPs is deducted when the proxy list is successfully obtained.</source>
        <translation>Tips: In API mode, the number of IPs is deducted when the proxy list is successfully obtained.</translation>
    </message>
    <message>
        <source>API Parameter Declaration:</source>
        <translation>API Parameter Declaration:</translation>
    </message>
    <message>
        <source>You can use the parameter like this</source>
        <translation>You can use the parameter like this</translation>
    </message>
    <message>
        <source>API Guide</source>
        <translation>API Guide</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>PortForwardList</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
</context>
<context>
    <name>RectEquimentLine</name>
    <message>
        <source>Random</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>ProxyIP</translation>
    </message>
    <message>
        <source>Expiration time</source>
        <translation>Expiration time</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>ZIP</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>No proxy were found matching the results.</translation>
    </message>
</context>
<context>
    <name>RectEquimentLineHistory</name>
    <message>
        <source>Random</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>False</source>
        <translation>False</translation>
    </message>
    <message>
        <source>True</source>
        <translation>True</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Successfully</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>ProxyIP</translation>
    </message>
    <message>
        <source>TimeType</source>
        <translation>TimeType</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>ZIP</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Buy Time</source>
        <translation>Buy Time</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>No proxy were found matching the results.</translation>
    </message>
    <message>
        <source>Proxy history is empty,</source>
        <translation>Proxy history is empty,</translation>
    </message>
</context>
<context>
    <name>RectEquipment</name>
    <message>
        <source>Please select the device that needs to be sited</source>
        <translation>Please select the device that needs to be sited</translation>
    </message>
    <message>
        <source>Please select the device that needs to be noted</source>
        <translation>Please select the device that needs to be noted</translation>
    </message>
    <message>
        <source>Device is binding...</source>
        <translation>Device is binding...</translation>
    </message>
    <message>
        <source>Device is disconnecting...</source>
        <translation>Device is disconnecting...</translation>
    </message>
    <message>
        <source>Device is connecting...</source>
        <translation>Device is connecting...</translation>
    </message>
    <message>
        <source>Device is remarking...</source>
        <translation>Device is remarking...</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Successfully</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Device List</translation>
    </message>
    <message>
        <source>How to use group control?</source>
        <translation>How to use group control?</translation>
    </message>
    <message>
        <source>Device Status</source>
        <translation>Device Status</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Connection Status</source>
        <translation>Connection Status</translation>
    </message>
    <message>
        <source>Enter device name to search</source>
        <translation>Enter device name to search</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Device Name</translation>
    </message>
    <message>
        <source>Proxy Ip</source>
        <translation>Proxy Ip</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Operate</translation>
    </message>
    <message>
        <source>No devices are currently added</source>
        <translation>No devices are currently added</translation>
    </message>
    <message>
        <source>No device matching search criteria found.</source>
        <translation>No device matching search criteria found.</translation>
    </message>
    <message>
        <source>Don&apos;t know how to add a device?</source>
        <translation>Don&apos;t know how to add a device?</translation>
    </message>
    <message>
        <source>View detailed tutorial</source>
        <translation>View detailed tutorial</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Selected:</translation>
    </message>
    <message>
        <source>Batch settings</source>
        <translation>Batch settings</translation>
    </message>
    <message>
        <source>Batch Connection</source>
        <translation>Batch Connection</translation>
    </message>
    <message>
        <source>Please select the device that needs to be connected</source>
        <translation>Please select the device that needs to be connected</translation>
    </message>
    <message>
        <source>Batch Disconnection</source>
        <translation>Batch Disconnection</translation>
    </message>
    <message>
        <source>Please select the device that needs to be disconnected</source>
        <translation>Please select the device that needs to be disconnected</translation>
    </message>
    <message>
        <source>Batch Notes</source>
        <translation>Batch Notes</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
</context>
<context>
    <name>RectFavoriteList</name>
    <message>
        <source>Favouritelist is empty,</source>
        <translation>Favouritelist is empty,</translation>
    </message>
</context>
<context>
    <name>RectProxyList</name>
    <message>
        <source>There is no Static ISP Proxy,</source>
        <translation>There is no Static ISP Proxy,</translation>
    </message>
    <message>
        <source>buy now</source>
        <translation>buy now</translation>
    </message>
</context>
<context>
    <name>RectSettings</name>
    <message>
        <source>Begin Port 1-65534</source>
        <translation>Begin Port 1-65534</translation>
    </message>
    <message>
        <source>Port Number 1-200, Begin Port + Port Number ≤ 65535</source>
        <translation>Port Number 1-200, Begin Port + Port Number ≤ 65535</translation>
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
        <source>Not turned on: a start entry cannot name this program&apos;s folder, or could not be written</source>
        <translation>Not turned on: a start entry cannot name this program&apos;s folder, or could not be written</translation>
    </message>
    <message>
        <source>Not turned off: the start entry could not be removed</source>
        <translation>Not turned off: the start entry could not be removed</translation>
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
    <name>RectTodayList</name>
    <message>
        <source>Todaylist is empty,</source>
        <translation>Todaylist is empty,</translation>
    </message>
</context>
<context>
    <name>RemarkPopup</name>
    <message>
        <source>Remark</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Please enter a remark</source>
        <translation>Please enter a remark</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>Sure</translation>
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
        <source>The new version could not be downloaded.</source>
        <translation>The new version could not be downloaded.</translation>
    </message>
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
        <translation>The client version you are using has been disabled. Please download and install again from the official website.</translation>
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
    <message>
        <source>new</source>
        <translation>new</translation>
    </message>
</context>
</TS>
