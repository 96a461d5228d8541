<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK">
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
    <name>EditLogin</name>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
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
    <name>PopupNotice</name>
    <message>
        <source>Notice</source>
        <translation>公告</translation>
    </message>
    <message>
        <source>No notification yet</source>
        <translation>暫無通知</translation>
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
    <name>RectSettings</name>
    <message>
        <source>Begin Port</source>
        <translation>起始連接埠</translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>連接埠數量</translation>
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
        <source>Version</source>
        <translation type="vanished">版本</translation>
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
</context>
</TS>
