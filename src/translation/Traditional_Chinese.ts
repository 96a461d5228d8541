<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK">
<context>
    <name>ApiExamples</name>
    <message>
        <source>Use a random proxy from any country</source>
        <translation>使用任意國家的隨機代理</translation>
    </message>
    <message>
        <source>Use a random proxy from the United States</source>
        <translation>使用美國的隨機代理</translation>
    </message>
    <message>
        <source>Use a random proxy from US, state: NewYork</source>
        <translation>使用美國（州：NewYork）的隨機代理</translation>
    </message>
    <message>
        <source>Use a random proxy from US, state: NewYork, city: New York</source>
        <translation>使用美國（州：NewYork，城市：New York）的隨機代理</translation>
    </message>
    <message>
        <source>Use a random proxy zip code is 000</source>
        <translation>使用郵遞區號為000的隨機代理</translation>
    </message>
    <message>
        <source>Use the proxy of the specified isp operator, such as 000</source>
        <translation>使用指定ISP業者的代理，例如000</translation>
    </message>
    <message>
        <source>Use random proxy from port 40010</source>
        <translation>使用連接埠40010的隨機代理</translation>
    </message>
    <message>
        <source>If you want to use a proxy with a specified IP segment, you can set it like this：</source>
        <translation>若要使用指定IP段的代理，可以這樣設定：</translation>
    </message>
    <message>
        <source>Port 40000 uses a US proxy, port 40001 uses a Japanese proxy, and port 40002 uses a UK proxy</source>
        <translation>連接埠40000使用美國代理，連接埠40001使用日本代理，連接埠40002使用英國代理</translation>
    </message>
    <message>
        <source>If you want different ports to use proxies from different countries, you can set it like this:</source>
        <translation>若要讓不同連接埠使用不同國家的代理，可以這樣設定：</translation>
    </message>
    <message>
        <source>Free the specified port, for example free 40000, 40001, 40002 ports</source>
        <translation>釋放指定連接埠，例如釋放40000、40001、40002連接埠</translation>
    </message>
    <message>
        <source>If you want to free the port, you can use the free_port parameter: (Version 1.2.7 and above)</source>
        <translation>若要釋放連接埠，可以使用free_port參數：（1.2.7及以上版本）</translation>
    </message>
    <message>
        <source>Free all ports</source>
        <translation>釋放所有連接埠</translation>
    </message>
    <message>
        <source>The starting port is 30,000, and the number of ports is 10. (The quantity limit is 99)</source>
        <translation>起始連接埠為30,000，連接埠數量為10。（數量上限為99）</translation>
    </message>
    <message>
        <source>If you want to modify the number and range of the end mouth, you can operate this way. (Version 1.2.9 and above)</source>
        <translation>若要修改連接埠的數量和範圍，可以這樣操作。（1.2.9及以上版本）</translation>
    </message>
    <message>
        <source>PARAMETER_ERROR_NUM</source>
        <translation>PARAMETER_ERROR_NUM</translation>
    </message>
    <message>
        <source>num parameter input error, please check</source>
        <translation>num參數輸入錯誤，請檢查</translation>
    </message>
    <message>
        <source>PARAMETER_ERROR_IP_TIME</source>
        <translation>PARAMETER_ERROR_IP_TIME</translation>
    </message>
    <message>
        <source>The ip_time parameter is entered incorrectly, please enter 1 or 2 or 3</source>
        <translation>ip_time參數輸入錯誤，請輸入1、2或3</translation>
    </message>
    <message>
        <source>Error in initialization parameters:MacAdd</source>
        <translation>初始化參數錯誤：MacAdd</translation>
    </message>
    <message>
        <source>There is a problem with the client, please restart or reinstall</source>
        <translation>客戶端發生問題，請重新啟動或重新安裝</translation>
    </message>
    <message>
        <source>Please set the allocation port first</source>
        <translation>請先設定分配連接埠</translation>
    </message>
    <message>
        <source>No port set</source>
        <translation>未設定連接埠</translation>
    </message>
    <message>
        <source>Up to 10 IP of this type can be extracted at a time</source>
        <translation>此類IP每次最多可提取10個</translation>
    </message>
    <message>
        <source>The number of fetches exceeds the upper limit, and the static plan can fetch up to 10 at a time</source>
        <translation>提取數量超過上限，靜態方案每次最多可提取10個</translation>
    </message>
    <message>
        <source>The set port segment does not meet the extraction quantity</source>
        <translation>設定的連接埠段不足以滿足提取數量</translation>
    </message>
    <message>
        <source>The number of extractions is too large, exceeding the set port range</source>
        <translation>提取數量過多，超出設定的連接埠範圍</translation>
    </message>
    <message>
        <source>Port not enabled</source>
        <translation>連接埠未啟用</translation>
    </message>
    <message>
        <source>The currently set port is not enabled</source>
        <translation>目前設定的連接埠未啟用</translation>
    </message>
    <message>
        <source>Insufficient ip balance, please buy first</source>
        <translation>IP餘額不足，請先購買</translation>
    </message>
    <message>
        <source>Account balance is exhausted, please recharge</source>
        <translation>帳戶餘額已用盡，請儲值</translation>
    </message>
    <message>
        <source>Failed to get IP, please try again later</source>
        <translation>取得IP失敗，請稍後再試</translation>
    </message>
    <message>
        <source>The interface request failed, please check the network environment and try again</source>
        <translation>介面請求失敗，請檢查網路環境後重試</translation>
    </message>
    <message>
        <source>If the proxy cannot be obtained through the API, the following errors may occur and the reasons:</source>
        <translation>若無法透過API取得代理，可能出現以下錯誤，錯誤與原因如下：</translation>
    </message>
    <message>
        <source>country code</source>
        <translation>國家代碼</translation>
    </message>
</context>
<context>
    <name>ApiHistoryListView</name>
    <message>
        <source>BindIP</source>
        <translation>綁定IP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>國家</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>BuyTime</source>
        <translation>購買時間</translation>
    </message>
</context>
<context>
    <name>ApiHistoryPopup</name>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>ApiParameterModel</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>ILLUSTRATE</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Get the number of proxies, ≤200</source>
        <translation>取得的代理數量，≤200</translation>
    </message>
    <message>
        <source>Country, default is all, </source>
        <translation>國家，預設為全部， </translation>
    </message>
    <message>
        <source>State, default is all</source>
        <translation>州，預設為全部</translation>
    </message>
    <message>
        <source>City, default is all</source>
        <translation>城市，預設為全部</translation>
    </message>
    <message>
        <source>Zip, default is all</source>
        <translation>郵遞區號，預設為全部</translation>
    </message>
    <message>
        <source>Isp, default is all</source>
        <translation>ISP，預設為全部</translation>
    </message>
    <message>
        <source>Package Type, default  is Popular Plan
1=Popular Plan, 3= Long Acting ISP Plan</source>
        <translation>方案類型，預設為熱門方案
1=熱門方案，3=長效ISP方案</translation>
    </message>
    <message>
        <source>Data Format
1=txt, 2=json</source>
        <translation>資料格式
1=txt，2=json</translation>
    </message>
    <message>
        <source>Start port, default port is 30000</source>
        <translation>起始連接埠，預設為30000</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>必填</translation>
    </message>
    <message>
        <source>country code</source>
        <translation>國家代碼</translation>
    </message>
</context>
<context>
    <name>BatchDisconnectPopup</name>
    <message>
        <source>Connect</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>中斷連線</translation>
    </message>
    <message>
        <source>After connection, the mobile device immediately start the proxy</source>
        <translation>連線後，行動裝置將立即啟動代理</translation>
    </message>
    <message>
        <source>After disconnection, the mobile device immediately stops the proxy</source>
        <translation>中斷連線後，行動裝置將立即停止代理</translation>
    </message>
    <message>
        <source>Device selected:</source>
        <translation>已選裝置：</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
</context>
<context>
    <name>CdkPopup</name>
    <message>
        <source>Please input your CDKEY</source>
        <translation>請輸入您的CDKEY</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Redeem CDKEY</source>
        <translation>兌換CDKEY</translation>
    </message>
    <message>
        <source>Please enter CDKEY</source>
        <translation>請輸入CDKEY</translation>
    </message>
    <message>
        <source>How to generate?</source>
        <translation>如何生成？</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
</context>
<context>
    <name>ComboBoxApiMeal</name>
    <message>
        <source>Random</source>
        <translation>隨機</translation>
    </message>
</context>
<context>
    <name>ComboBoxCountry</name>
    <message>
        <source>Country</source>
        <translation>國家</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceCountry</name>
    <message>
        <source>Country</source>
        <translation>國家</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceStatus</name>
    <message>
        <source>Offline</source>
        <translation>離線</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>在線</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>已斷線</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
</context>
<context>
    <name>ComboBoxEquipmentCountry</name>
    <message>
        <source>Country</source>
        <translation>國家</translation>
    </message>
</context>
<context>
    <name>ComboCategory</name>
    <message>
        <source>Please select</source>
        <translation>請選擇</translation>
    </message>
</context>
<context>
    <name>ComboLocation</name>
    <message>
        <source>e.g., US</source>
        <translation>例如：US</translation>
    </message>
</context>
<context>
    <name>DisconnectCheck</name>
    <message>
        <source>Click to disconnect</source>
        <translation>點擊中斷連線</translation>
    </message>
    <message>
        <source>Click to connect</source>
        <translation>點擊連線</translation>
    </message>
</context>
<context>
    <name>EditLogin</name>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
</context>
<context>
    <name>EquipmentLineModel</name>
    <message>
        <source>Renew</source>
        <translation>續費</translation>
    </message>
</context>
<context>
    <name>EquipmentModel</name>
    <message>
        <source>Online</source>
        <translation>在線</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>離線</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>已斷線</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>FieldCheck</name>
    <message>
        <source>Enter a whole number from 1 to 200</source>
        <translation>請輸入1到200的整數</translation>
    </message>
    <message>
        <source>Enter one to four numbers from 0 to 255, separated by dots</source>
        <translation>請輸入1至4個0到255的數字，以點分隔</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535</source>
        <translation>請輸入1到65535的連接埠</translation>
    </message>
    <message>
        <source>This port belongs to the proxy ports</source>
        <translation>此連接埠屬於代理連接埠</translation>
    </message>
    <message>
        <source>Enter whole minutes from 5 to 720</source>
        <translation>請輸入5到720的整數分鐘</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>檔案不存在</translation>
    </message>
    <message>
        <source>Choose a file, not a folder</source>
        <translation>請選擇檔案，而非資料夾</translation>
    </message>
    <message>
        <source>The file is not a program that can run</source>
        <translation>此檔案不是可執行的程式</translation>
    </message>
</context>
<context>
    <name>FileDialogDefault</name>
    <message>
        <source>Select Program</source>
        <translation>選擇程式</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
</context>
<context>
    <name>HeldLinePage</name>
    <message>
        <source>Successfully</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>找不到符合條件的代理。</translation>
    </message>
    <message>
        <source>go to use</source>
        <translation>前往使用</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>連接埠轉發清單</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>代理IP</translation>
    </message>
    <message>
        <source>TimeType</source>
        <translation>時間類型</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>國家</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>郵遞區號</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>在線</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Buy Time</source>
        <translation>購買時間</translation>
    </message>
</context>
<context>
    <name>HeldLineRow</name>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>False</source>
        <translation>否</translation>
    </message>
    <message>
        <source>True</source>
        <translation>是</translation>
    </message>
</context>
<context>
    <name>InterfacePost</name>
    <message>
        <source>The line is no longer listed.</source>
        <translation>此線路已下架。</translation>
    </message>
    <message>
        <source>The local engine could not be reached.</source>
        <translation>無法連線至本機引擎。</translation>
    </message>
    <message>
        <source>Your data plan is insufficient,please renew.</source>
        <translation>您的流量方案不足，請續費。</translation>
    </message>
    <message>
        <source>Your IP number is insufficient,please renew.</source>
        <translation>您的IP數量不足，請續費。</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>程式清單為空，請先新增程式！</translation>
    </message>
</context>
<context>
    <name>InterfaceRecv</name>
    <message>
        <source>The line list could not be loaded.</source>
        <translation>無法載入線路列表。</translation>
    </message>
    <message>
        <source>Please start BitBrowser first</source>
        <translation>請先啟動BitBrowser</translation>
    </message>
    <message>
        <source>The service could not be reached. Please try again.</source>
        <translation>無法連線至服務，請重試。</translation>
    </message>
    <message>
        <source>upload failed</source>
        <translation>上傳失敗</translation>
    </message>
    <message>
        <source>Submit failed</source>
        <translation>提交失敗</translation>
    </message>
    <message>
        <source>Redeem failed</source>
        <translation>兌換失敗</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your account and try again.</source>
        <translation>登入失敗，請檢查您的帳號後重試。</translation>
    </message>
</context>
<context>
    <name>LocationFilterBar</name>
    <message>
        <source>Country:</source>
        <translation>國家：</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>國家</translation>
    </message>
    <message>
        <source>US</source>
        <translation>US</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>州：</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>紐約</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>城市：</translation>
    </message>
    <message>
        <source>City</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>ISP:</source>
        <translation>ISP：</translation>
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
        <translation>郵遞區號：</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>郵遞區號</translation>
    </message>
    <message>
        <source>91***</source>
        <translation>91***</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP：</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>防關聯瀏覽器</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Please enter email or username</source>
        <translation>請輸入電子郵件或使用者名稱</translation>
    </message>
    <message>
        <source>Please enter password</source>
        <translation>請輸入密碼</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Please enter account or email</source>
        <translation>請輸入帳號或電子郵件</translation>
    </message>
    <message>
        <source>Auto Log In</source>
        <translation>自動登入</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>忘記密碼？</translation>
    </message>
    <message>
        <source>Or login with</source>
        <translation>或使用以下方式登入</translation>
    </message>
    <message>
        <source>Not registered yet ?  </source>
        <translation>還沒有註冊？  </translation>
    </message>
    <message>
        <source>Creat an Account</source>
        <translation>建立帳號</translation>
    </message>
</context>
<context>
    <name>PlanNames</name>
    <message>
        <source>Popular Plan</source>
        <translation>熱門方案</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>長效ISP方案</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>靜態ISP代理</translation>
    </message>
    <message>
        <source>Traffic Plan</source>
        <translation>流量方案</translation>
    </message>
</context>
<context>
    <name>PopupBindPort</name>
    <message>
        <source> (Used)</source>
        <translation> (已使用)</translation>
    </message>
    <message>
        <source> (Free)</source>
        <translation> (空閒)</translation>
    </message>
</context>
<context>
    <name>PopupBrowser</name>
    <message>
        <source>Unnamed</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Successfully!</source>
        <translation>成功！</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>防關聯瀏覽器</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Anti-detection browser:</source>
        <translation>防關聯瀏覽器：</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>教學</translation>
    </message>
    <message>
        <source>Browser profiles:</source>
        <translation>瀏覽器設定檔：</translation>
    </message>
    <message>
        <source>Please get the latest list</source>
        <translation>請取得最新清單</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>*The browser list has changed, or this function is used for the first time, please synchronize the latest list</source>
        <translation>*瀏覽器清單已變更或首次使用此功能，請同步最新清單</translation>
    </message>
    <message>
        <source>Automatically restart the browser when the proxy changes</source>
        <translation>代理變更時自動重新啟動瀏覽器</translation>
    </message>
    <message>
        <source>Clear Cookies Before Launch</source>
        <translation>啟動前清除Cookie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save &amp; Close</source>
        <translation>儲存 &amp; 關閉</translation>
    </message>
</context>
<context>
    <name>PopupEquipmentLine</name>
    <message>
        <source>Successfully</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>找不到符合條件的代理。</translation>
    </message>
    <message>
        <source>Select Proxy</source>
        <translation>選擇代理</translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>熱門方案</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>長效ISP方案</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>靜態ISP代理</translation>
    </message>
    <message>
        <source>Proxy History</source>
        <translation>代理歷史紀錄</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>郵遞區號</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Different proxies for different device</source>
        <translation>不同裝置使用不同代理</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>紐約</translation>
    </message>
</context>
<context>
    <name>PopupFeedback</name>
    <message>
        <source>Please selete category</source>
        <translation>請選擇類別</translation>
    </message>
    <message>
        <source>Please input your email</source>
        <translation>請輸入您的電子郵件</translation>
    </message>
    <message>
        <source>Please input your problem</source>
        <translation>請輸入您的問題</translation>
    </message>
    <message>
        <source>Thanks! We have received your feedback.</source>
        <translation>感謝！我們已收到您的意見回饋。</translation>
    </message>
    <message>
        <source>Select Picture</source>
        <translation>選擇圖片</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>意見回饋</translation>
    </message>
    <message>
        <source>Fill in the fields bellow and one of our support agents will personally get back to you very soon.</source>
        <translation>請填寫以下欄位，我們的客服人員將盡快親自回覆您。</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>類別</translation>
    </message>
    <message>
        <source>Your email</source>
        <translation>您的電子郵件</translation>
    </message>
    <message>
        <source>Enter your email</source>
        <translation>輸入您的電子郵件</translation>
    </message>
    <message>
        <source>What&apos;s the problem?</source>
        <translation>遇到什麼問題？</translation>
    </message>
    <message>
        <source>Describe your problem</source>
        <translation>描述您的問題</translation>
    </message>
    <message>
        <source>Add picture(Upload up to 3)</source>
        <translation>新增圖片（最多3張）</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>提交</translation>
    </message>
</context>
<context>
    <name>PopupForwared</name>
    <message>
        <source>Globle connect</source>
        <translation>全域連線</translation>
    </message>
    <message>
        <source>Program connect</source>
        <translation>程式連線</translation>
    </message>
    <message>
        <source>Forward Port To Proxy</source>
        <translation>將連接埠轉發至代理</translation>
    </message>
    <message>
        <source>Forward </source>
        <translation>轉發 </translation>
    </message>
    <message>
        <source>Remove from FavoriteList</source>
        <translation>從收藏清單移除</translation>
    </message>
    <message>
        <source>Add to FavoriteList</source>
        <translation>加入收藏清單</translation>
    </message>
</context>
<context>
    <name>PopupModel</name>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Confirm this operation?</source>
        <translation>確定執行此操作？</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>連接埠：</translation>
    </message>
    <message>
        <source>Deduct IP:</source>
        <translation>扣除IP：</translation>
    </message>
    <message>
        <source>This port range no longer exists; please choose one again.</source>
        <translation>此連接埠範圍已不存在，請重新選擇。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Now IP:</source>
        <translation>目前IP：</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>提取中</translation>
    </message>
    <message>
        <source>Processing:</source>
        <translation>處理中：</translation>
    </message>
    <message>
        <source>Extract IP Is Completed</source>
        <translation>IP提取完成</translation>
    </message>
    <message>
        <source>Success:</source>
        <translation>成功：</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>失敗：</translation>
    </message>
</context>
<context>
    <name>PopupNotice</name>
    <message>
        <source>Notice</source>
        <translation>公告</translation>
    </message>
    <message>
        <source>No notification yet</source>
        <translation>暫無通知</translation>
    </message>
    <message>
        <source>Choose a notice on the left to read it</source>
        <translation>請在左側選擇一則通知以閱讀</translation>
    </message>
</context>
<context>
    <name>PortForwardList</name>
    <message>
        <source>Local IP</source>
        <translation>本機IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>BindIP</source>
        <translation>綁定IP</translation>
    </message>
    <message>
        <source>City</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>在線</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Copy Success</source>
        <translation>複製成功</translation>
    </message>
    <message>
        <source>Forward List</source>
        <translation>轉發清單</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>已使用</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>空閒</translation>
    </message>
    <message>
        <source>The current list is empty</source>
        <translation>目前清單為空</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>測試</translation>
    </message>
    <message>
        <source>Free All</source>
        <translation>全部釋放</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>全部複製</translation>
    </message>
    <message>
        <source>Free</source>
        <comment>action</comment>
        <translation>釋放</translation>
    </message>
</context>
<context>
    <name>ProgramHistoryListView</name>
    <message>
        <source>LocalIp</source>
        <translation>本機IP</translation>
    </message>
    <message>
        <source>BindIP</source>
        <translation>綁定IP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>國家</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>城市</translation>
    </message>
</context>
<context>
    <name>ProgramHistoryPopup</name>
    <message>
        <source>No proxy used for programs yet</source>
        <translation>尚未為程式使用代理</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>ProgramMenuPopup</name>
    <message>
        <source>Run</source>
        <translation>執行</translation>
    </message>
    <message>
        <source>Romove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Go ProxyList</source>
        <translation>前往代理清單</translation>
    </message>
</context>
<context>
    <name>ProgramRect</name>
    <message>
        <source>Country</source>
        <translation>國家</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>郵遞區號</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Add application</source>
        <translation>新增應用程式</translation>
    </message>
    <message>
        <source>How to use?</source>
        <translation>如何使用？</translation>
    </message>
    <message>
        <source>&quot;Run&quot; starts a program with its proxy variables set to the connected exit; programs that ignore them go out directly.</source>
        <translation>「執行」會以指向已連接出口的代理變數啟動程式；忽略這些變數的程式會直接連線。</translation>
    </message>
    <message>
        <source>click &quot;Browse&quot; to select the application</source>
        <translation>點擊「瀏覽」選擇應用程式</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>瀏覽</translation>
    </message>
    <message>
        <source>Automatically switch IP:</source>
        <translation>自動切換IP：</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/分鐘</translation>
    </message>
    <message>
        <source>Close the program before switching IP</source>
        <translation>切換IP前關閉程式</translation>
    </message>
    <message>
        <source>Turn off automatic proxy</source>
        <translation>關閉自動代理</translation>
    </message>
    <message>
        <source>Turn on automatic proxy</source>
        <translation>開啟自動代理</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Custom Proxy History</source>
        <translation>自訂代理歷史</translation>
    </message>
</context>
<context>
    <name>ProxyLineModel</name>
    <message>
        <source>Renew</source>
        <translation>續費</translation>
    </message>
</context>
<context>
    <name>ProxyListPage</name>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>找不到符合條件的代理。</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>代理IP</translation>
    </message>
    <message>
        <source>Expiration time</source>
        <translation>到期時間</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>國家</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>郵遞區號</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>loading...</source>
        <translation>載入中...</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>連接埠轉發清單</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
</context>
<context>
    <name>ProxyManager</name>
    <message>
        <source>No free local port</source>
        <translation>沒有可用的本機連接埠</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>隨機</translation>
    </message>
    <message>
        <source>Connect the program to a proxy first</source>
        <translation>請先將程式連接到代理</translation>
    </message>
    <message>
        <source>This file cannot be run</source>
        <translation>此檔案無法執行</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>程式列表為空，請先新增程式！</translation>
    </message>
</context>
<context>
    <name>RadioMealBase</name>
    <message>
        <source>IPs</source>
        <translation>個IP</translation>
    </message>
    <message>
        <source>Recharge</source>
        <translation>儲值</translation>
    </message>
</context>
<context>
    <name>RectAPISecond</name>
    <message>
        <source>Successfully</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>API Proxy History</source>
        <translation>API代理歷史紀錄</translation>
    </message>
    <message>
        <source>Package Type:  </source>
        <translation>方案類型：  </translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>熱門方案</translation>
    </message>
    <message>
        <source>IP Extraction:  </source>
        <translation>IP提取：  </translation>
    </message>
    <message>
        <source>Location:   </source>
        <translation>地區：   </translation>
    </message>
    <message>
        <source>Country</source>
        <translation>國家</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>Other:  </source>
        <translation>其他：  </translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>郵遞區號</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>API Port:   </source>
        <translation>API連接埠：   </translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>重新啟動</translation>
    </message>
    <message>
        <source>After modication,please click the [Restart] button</source>
        <translation>修改後，請點擊[重新啟動]按鈕</translation>
    </message>
    <message>
        <source>API Link:   </source>
        <translation>API連結：   </translation>
    </message>
    <message>
        <source>Click the Start Proxy button to view the link.</source>
        <translation>點擊[啟動代理]按鈕即可查看連結。</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>開啟連結</translation>
    </message>
    <message>
        <source>Tips: In API mode, the number of IPs is deducted when the proxy list is successfully obtained.</source>
        <translation>提示：在API模式下，成功取得代理清單時即扣除IP數量。</translation>
    </message>
    <message>
        <source>API Parameter Declaration:</source>
        <translation>API參數說明：</translation>
    </message>
    <message>
        <source>You can use the parameter like this</source>
        <translation>您可以這樣使用參數</translation>
    </message>
    <message>
        <source>API Guide</source>
        <translation>API指南</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>連接埠轉發清單</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
</context>
<context>
    <name>RectEquimentLine</name>
    <message>
        <source>Random</source>
        <translation>隨機</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>代理IP</translation>
    </message>
    <message>
        <source>Expiration time</source>
        <translation>到期時間</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>國家</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>郵遞區號</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>找不到符合條件的代理。</translation>
    </message>
</context>
<context>
    <name>RectEquimentLineHistory</name>
    <message>
        <source>Random</source>
        <translation>隨機</translation>
    </message>
    <message>
        <source>False</source>
        <translation>否</translation>
    </message>
    <message>
        <source>True</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>代理IP</translation>
    </message>
    <message>
        <source>TimeType</source>
        <translation>時間類型</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>國家</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>城市</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>郵遞區號</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Buy Time</source>
        <translation>購買時間</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>在線</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>找不到符合條件的代理。</translation>
    </message>
    <message>
        <source>Proxy history is empty,</source>
        <translation>代理歷史紀錄為空，</translation>
    </message>
</context>
<context>
    <name>RectEquipment</name>
    <message>
        <source>Please select the device that needs to be sited</source>
        <translation>請選擇需要設定的裝置</translation>
    </message>
    <message>
        <source>Please select the device that needs to be noted</source>
        <translation>請選擇需要備註的裝置</translation>
    </message>
    <message>
        <source>Device is binding...</source>
        <translation>裝置綁定中...</translation>
    </message>
    <message>
        <source>Device is disconnecting...</source>
        <translation>裝置中斷連線中...</translation>
    </message>
    <message>
        <source>Device is connecting...</source>
        <translation>裝置連線中...</translation>
    </message>
    <message>
        <source>Device is remarking...</source>
        <translation>裝置備註中...</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>裝置清單</translation>
    </message>
    <message>
        <source>How to use group control?</source>
        <translation>如何使用群控？</translation>
    </message>
    <message>
        <source>Device Status</source>
        <translation>裝置狀態</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>在線</translation>
    </message>
    <message>
        <source>Connection Status</source>
        <translation>連線狀態</translation>
    </message>
    <message>
        <source>Enter device name to search</source>
        <translation>輸入裝置名稱搜尋</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>裝置名稱</translation>
    </message>
    <message>
        <source>Proxy Ip</source>
        <translation>代理IP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>國家</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>No devices are currently added</source>
        <translation>目前尚未新增裝置</translation>
    </message>
    <message>
        <source>No device matching search criteria found.</source>
        <translation>找不到符合搜尋條件的裝置。</translation>
    </message>
    <message>
        <source>Don&apos;t know how to add a device?</source>
        <translation>不知道如何新增裝置？</translation>
    </message>
    <message>
        <source>View detailed tutorial</source>
        <translation>查看詳細教學</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>已選：</translation>
    </message>
    <message>
        <source>Batch settings</source>
        <translation>批次設定</translation>
    </message>
    <message>
        <source>Batch Connection</source>
        <translation>批次連線</translation>
    </message>
    <message>
        <source>Please select the device that needs to be connected</source>
        <translation>請選擇需要連線的裝置</translation>
    </message>
    <message>
        <source>Batch Disconnection</source>
        <translation>批次中斷連線</translation>
    </message>
    <message>
        <source>Please select the device that needs to be disconnected</source>
        <translation>請選擇需要中斷連線的裝置</translation>
    </message>
    <message>
        <source>Batch Notes</source>
        <translation>批次備註</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
</context>
<context>
    <name>RectFavoriteList</name>
    <message>
        <source>Favouritelist is empty,</source>
        <translation>收藏清單為空，</translation>
    </message>
</context>
<context>
    <name>RectProxyList</name>
    <message>
        <source>There is no Static ISP Proxy,</source>
        <translation>沒有靜態ISP代理，</translation>
    </message>
    <message>
        <source>buy now</source>
        <translation>立即購買</translation>
    </message>
</context>
<context>
    <name>RectSettings</name>
    <message>
        <source>Begin Port 1-65534</source>
        <translation>起始連接埠 1-65534</translation>
    </message>
    <message>
        <source>Port Number 1-200, Begin Port + Port Number ≤ 65535</source>
        <translation>連接埠數量 1-200，起始連接埠 + 連接埠數量 ≤ 65535</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>未儲存：%1</translation>
    </message>
    <message>
        <source>Not turned on: a start entry cannot name this program&apos;s folder, or could not be written</source>
        <translation>未開啟：啟動項目無法寫出此程式的資料夾名稱，或無法寫入</translation>
    </message>
    <message>
        <source>Not turned off: the start entry could not be removed</source>
        <translation>未關閉：無法移除啟動項目</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>一般設定</translation>
    </message>
    <message>
        <source>Begin Port:</source>
        <translation>起始連接埠：</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>連接埠數量：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Do not remove duplicate Proxies</source>
        <translation>不移除重複代理</translation>
    </message>
    <message>
        <source>Purchased proxies may appear when refreshing the ProxyList</source>
        <translation>重新整理代理清單時可能出現已購買的代理</translation>
    </message>
    <message>
        <source>Remove duplicate proxies,No duplicate proxies will be acquired within</source>
        <translation>移除重複代理：在以下時間內不會取得重複代理</translation>
    </message>
    <message>
        <source>Once set, purchased proxies will no longer appear when refreshing the ProxyList</source>
        <translation>設定後，重新整理代理清單時將不再出現已購買的代理</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>小時</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>語言：</translation>
    </message>
    <message>
        <source>Automatically launch Qel Proxy when you turn on your device:</source>
        <translation>開機時自動啟動Qel Proxy：</translation>
    </message>
</context>
<context>
    <name>RectTodayList</name>
    <message>
        <source>Todaylist is empty,</source>
        <translation>今日清單為空，</translation>
    </message>
</context>
<context>
    <name>RemarkPopup</name>
    <message>
        <source>Remark</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>Please enter a remark</source>
        <translation>請輸入備註</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>SearchManager</name>
    <message>
        <source>Popular Plan</source>
        <translation>熱門方案</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>長效ISP方案</translation>
    </message>
</context>
<context>
    <name>TipsCustomPopup</name>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Recharge Now</source>
        <translation>立即儲值</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>UpdatePopup</name>
    <message>
        <source>The new version could not be downloaded.</source>
        <translation>無法下載新版本。</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>更新提示</translation>
    </message>
    <message>
        <source>New version found V</source>
        <translation>發現新版本 V</translation>
    </message>
    <message>
        <source>Update anomalies?</source>
        <translation>更新異常？</translation>
    </message>
    <message>
        <source>To the website</source>
        <translation>前往官網</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>This is the latest version!</source>
        <translation>已是最新版本！</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>The client version you are using has been disabled. Please download and install again from the offical website.</source>
        <translation>您使用的客戶端版本已停用，請至官網重新下載安裝。</translation>
    </message>
    <message>
        <source>Go Now</source>
        <translation>立即前往</translation>
    </message>
    <message>
        <source>Updating......</source>
        <translation>更新中......</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>官方網站</translation>
    </message>
    <message>
        <source>The new version was downloaded and saved to:</source>
        <translation>新版本已下載並儲存至：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>WebRecv</name>
    <message>
        <source>Only web pages can be opened.</source>
        <translation>僅能開啟網頁。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Show</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>The proxy has expired and cannot be renewed</source>
        <translation>代理已過期，無法續費</translation>
    </message>
    <message>
        <source>Hello World</source>
        <translation>你好，世界</translation>
    </message>
    <message>
        <source>发送消息</source>
        <translation>發送訊息</translation>
    </message>
</context>
<context>
    <name>mainLoader</name>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Proxy List</source>
        <translation>代理清單</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>靜態ISP代理</translation>
    </message>
    <message>
        <source>Today List</source>
        <translation>今日清單</translation>
    </message>
    <message>
        <source>Favorite List</source>
        <translation>收藏清單</translation>
    </message>
    <message>
        <source>API</source>
        <translation>API</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程式</translation>
    </message>
    <message>
        <source>Group Control</source>
        <translation>群控</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>New Version is Online,</source>
        <translation>新版本已上線，</translation>
    </message>
    <message>
        <source>Update Immediately</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Local Proxy:</source>
        <translation>本機代理：</translation>
    </message>
    <message>
        <source>Local IP:</source>
        <translation>本機IP：</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>檢測</translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>熱門方案</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>長效ISP方案</translation>
    </message>
    <message>
        <source>Traffic Plan</source>
        <translation>流量方案</translation>
    </message>
    <message>
        <source>Dedicated Static IP</source>
        <translation>專屬靜態IP</translation>
    </message>
    <message>
        <source>Datacenter Proxy</source>
        <translation>資料中心代理</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>國家代碼</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Please use in non Chinese Mainland environment</source>
        <translation>請在非中國大陸環境下使用</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>公告</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>意見回饋</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>合作夥伴</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>登出</translation>
    </message>
    <message>
        <source>new</source>
        <translation>新</translation>
    </message>
</context>
</TS>
