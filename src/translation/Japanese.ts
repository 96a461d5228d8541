<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>ApiExamples</name>
    <message>
        <source>Use a random proxy from any country</source>
        <translation>任意の国のランダムなプロキシを使用</translation>
    </message>
    <message>
        <source>Use a random proxy from the United States</source>
        <translation>米国のランダムなプロキシを使用</translation>
    </message>
    <message>
        <source>Use a random proxy from US, state: NewYork</source>
        <translation>米国（州：NewYork）のランダムなプロキシを使用</translation>
    </message>
    <message>
        <source>Use a random proxy from US, state: NewYork, city: New York</source>
        <translation>米国（州：NewYork、都市：New York）のランダムなプロキシを使用</translation>
    </message>
    <message>
        <source>Use a random proxy zip code is 000</source>
        <translation>郵便番号が000のランダムなプロキシを使用</translation>
    </message>
    <message>
        <source>Use the proxy of the specified isp operator, such as 000</source>
        <translation>指定したISP事業者のプロキシを使用（例：000）</translation>
    </message>
    <message>
        <source>Use random proxy from port 40010</source>
        <translation>ポート40010のランダムなプロキシを使用</translation>
    </message>
    <message>
        <source>If you want to use a proxy with a specified IP segment, you can set it like this：</source>
        <translation>指定したIPセグメントのプロキシを使用する場合は、次のように設定できます：</translation>
    </message>
    <message>
        <source>Port 40000 uses a US proxy, port 40001 uses a Japanese proxy, and port 40002 uses a UK proxy</source>
        <translation>ポート40000は米国、ポート40001は日本、ポート40002は英国のプロキシを使用</translation>
    </message>
    <message>
        <source>If you want different ports to use proxies from different countries, you can set it like this:</source>
        <translation>ポートごとに異なる国のプロキシを使用する場合は、次のように設定できます：</translation>
    </message>
    <message>
        <source>Free the specified port, for example free 40000, 40001, 40002 ports</source>
        <translation>指定したポートを解放（例：ポート40000、40001、40002を解放）</translation>
    </message>
    <message>
        <source>If you want to free the port, you can use the free_port parameter: (Version 1.2.7 and above)</source>
        <translation>ポートを解放するには、free_portパラメータを使用できます：（バージョン1.2.7以降）</translation>
    </message>
    <message>
        <source>Free all ports</source>
        <translation>すべてのポートを解放</translation>
    </message>
    <message>
        <source>The starting port is 30,000, and the number of ports is 10. (The quantity limit is 99)</source>
        <translation>開始ポートは30,000、ポート数は10です。（数量の上限は99）</translation>
    </message>
    <message>
        <source>If you want to modify the number and range of the end mouth, you can operate this way. (Version 1.2.9 and above)</source>
        <translation>ポートの数と範囲を変更する場合は、次のように操作できます。（バージョン1.2.9以降）</translation>
    </message>
    <message>
        <source>PARAMETER_ERROR_NUM</source>
        <translation>PARAMETER_ERROR_NUM</translation>
    </message>
    <message>
        <source>num parameter input error, please check</source>
        <translation>numパラメータの入力に誤りがあります。確認してください</translation>
    </message>
    <message>
        <source>PARAMETER_ERROR_IP_TIME</source>
        <translation>PARAMETER_ERROR_IP_TIME</translation>
    </message>
    <message>
        <source>The ip_time parameter is entered incorrectly, please enter 1 or 2 or 3</source>
        <translation>ip_timeパラメータの入力に誤りがあります。1、2、3のいずれかを入力してください</translation>
    </message>
    <message>
        <source>Error in initialization parameters:MacAdd</source>
        <translation>初期化パラメータエラー：MacAdd</translation>
    </message>
    <message>
        <source>There is a problem with the client, please restart or reinstall</source>
        <translation>クライアントに問題があります。再起動または再インストールしてください</translation>
    </message>
    <message>
        <source>Please set the allocation port first</source>
        <translation>先に割り当てポートを設定してください</translation>
    </message>
    <message>
        <source>No port set</source>
        <translation>ポートが設定されていません</translation>
    </message>
    <message>
        <source>Up to 10 IP of this type can be extracted at a time</source>
        <translation>この種類のIPは一度に最大10個まで抽出できます</translation>
    </message>
    <message>
        <source>The number of fetches exceeds the upper limit, and the static plan can fetch up to 10 at a time</source>
        <translation>取得数が上限を超えています。静的プランは一度に最大10個まで取得できます</translation>
    </message>
    <message>
        <source>The set port segment does not meet the extraction quantity</source>
        <translation>設定したポート範囲が抽出数に足りません</translation>
    </message>
    <message>
        <source>The number of extractions is too large, exceeding the set port range</source>
        <translation>抽出数が多すぎて、設定したポート範囲を超えています</translation>
    </message>
    <message>
        <source>Port not enabled</source>
        <translation>ポートが有効になっていません</translation>
    </message>
    <message>
        <source>The currently set port is not enabled</source>
        <translation>現在設定されているポートは有効になっていません</translation>
    </message>
    <message>
        <source>Insufficient ip balance, please buy first</source>
        <translation>IP残高が不足しています。先に購入してください</translation>
    </message>
    <message>
        <source>Account balance is exhausted, please recharge</source>
        <translation>アカウント残高がありません。チャージしてください</translation>
    </message>
    <message>
        <source>Failed to get IP, please try again later</source>
        <translation>IPの取得に失敗しました。しばらくしてから再試行してください</translation>
    </message>
    <message>
        <source>The interface request failed, please check the network environment and try again</source>
        <translation>APIリクエストに失敗しました。ネットワーク環境を確認して再試行してください</translation>
    </message>
    <message>
        <source>If the proxy cannot be obtained through the API, the following errors may occur and the reasons:</source>
        <translation>APIでプロキシを取得できない場合、以下のエラーが発生することがあります。エラーと原因：</translation>
    </message>
    <message>
        <source>country code</source>
        <translation>国コード</translation>
    </message>
</context>
<context>
    <name>ApiHistoryListView</name>
    <message>
        <source>BindIP</source>
        <translation>バインドIP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>BuyTime</source>
        <translation>購入日時</translation>
    </message>
</context>
<context>
    <name>ApiHistoryPopup</name>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
</context>
<context>
    <name>ApiParameterModel</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>ILLUSTRATE</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Get the number of proxies, ≤200</source>
        <translation>取得するプロキシ数、≤200</translation>
    </message>
    <message>
        <source>Country, default is all, </source>
        <translation>国、デフォルトはすべて、 </translation>
    </message>
    <message>
        <source>State, default is all</source>
        <translation>州、デフォルトはすべて</translation>
    </message>
    <message>
        <source>City, default is all</source>
        <translation>都市、デフォルトはすべて</translation>
    </message>
    <message>
        <source>Zip, default is all</source>
        <translation>郵便番号、デフォルトはすべて</translation>
    </message>
    <message>
        <source>Isp, default is all</source>
        <translation>ISP、デフォルトはすべて</translation>
    </message>
    <message>
        <source>Package Type, default  is Popular Plan
1=Popular Plan, 3= Long Acting ISP Plan</source>
        <translation>プランの種類、デフォルトは人気プラン
1=人気プラン、3=長期ISPプラン</translation>
    </message>
    <message>
        <source>Data Format
1=txt, 2=json</source>
        <translation>データ形式
1=txt、2=json</translation>
    </message>
    <message>
        <source>Start port, default port is 30000</source>
        <translation>開始ポート、デフォルトは30000</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>必須</translation>
    </message>
    <message>
        <source>country code</source>
        <translation>国コード</translation>
    </message>
</context>
<context>
    <name>BatchDisconnectPopup</name>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>After connection, the mobile device immediately start the proxy</source>
        <translation>接続後、モバイルデバイスはすぐにプロキシを開始します</translation>
    </message>
    <message>
        <source>After disconnection, the mobile device immediately stops the proxy</source>
        <translation>切断後、モバイルデバイスはすぐにプロキシを停止します</translation>
    </message>
    <message>
        <source>Device selected:</source>
        <translation>選択したデバイス：</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>CDKEYを入力してください</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>成功しました</translation>
    </message>
    <message>
        <source>Redeem CDKEY</source>
        <translation>CDKEYを引き換える</translation>
    </message>
    <message>
        <source>Please enter CDKEY</source>
        <translation>CDKEYを入力してください</translation>
    </message>
    <message>
        <source>How to generate?</source>
        <translation>生成方法は？</translation>
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
        <translation>ランダム</translation>
    </message>
</context>
<context>
    <name>ComboBoxCountry</name>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceCountry</name>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceStatus</name>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>オンライン</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>ステータス</translation>
    </message>
</context>
<context>
    <name>ComboBoxEquipmentCountry</name>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
</context>
<context>
    <name>ComboCategory</name>
    <message>
        <source>Please select</source>
        <translation>選択してください</translation>
    </message>
</context>
<context>
    <name>ComboLocation</name>
    <message>
        <source>e.g., US</source>
        <translation>例：US</translation>
    </message>
</context>
<context>
    <name>DisconnectCheck</name>
    <message>
        <source>Click to disconnect</source>
        <translation>クリックして切断</translation>
    </message>
    <message>
        <source>Click to connect</source>
        <translation>クリックして接続</translation>
    </message>
</context>
<context>
    <name>EditLogin</name>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
</context>
<context>
    <name>EquipmentLineModel</name>
    <message>
        <source>Renew</source>
        <translation>更新</translation>
    </message>
</context>
<context>
    <name>EquipmentModel</name>
    <message>
        <source>Online</source>
        <translation>オンライン</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>切断</translation>
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
        <translation>1～200の整数を入力してください</translation>
    </message>
    <message>
        <source>Enter one to four numbers from 0 to 255, separated by dots</source>
        <translation>0～255の数値を1～4個、ドット区切りで入力してください</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535</source>
        <translation>1～65535のポートを入力してください</translation>
    </message>
    <message>
        <source>This port belongs to the proxy ports</source>
        <translation>このポートはプロキシポートに含まれています</translation>
    </message>
    <message>
        <source>Enter whole minutes from 5 to 720</source>
        <translation>5～720の整数（分）を入力してください</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>Choose a file, not a folder</source>
        <translation>フォルダではなくファイルを選択してください</translation>
    </message>
    <message>
        <source>The file is not a program that can run</source>
        <translation>このファイルは実行可能なプログラムではありません</translation>
    </message>
</context>
<context>
    <name>FileDialogDefault</name>
    <message>
        <source>Select Program</source>
        <translation>プログラムを選択</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>HeldLinePage</name>
    <message>
        <source>Successfully</source>
        <translation>成功しました</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>条件に一致するプロキシが見つかりませんでした。</translation>
    </message>
    <message>
        <source>go to use</source>
        <translation>使用する</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>ポート転送リスト</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>プロキシIP</translation>
    </message>
    <message>
        <source>TimeType</source>
        <translation>時間タイプ</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>郵便番号</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>オンライン</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Buy Time</source>
        <translation>購入日時</translation>
    </message>
</context>
<context>
    <name>HeldLineRow</name>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>False</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>True</source>
        <translation>はい</translation>
    </message>
</context>
<context>
    <name>InterfacePost</name>
    <message>
        <source>The line is no longer listed.</source>
        <translation>この回線は掲載終了しました。</translation>
    </message>
    <message>
        <source>The local engine could not be reached.</source>
        <translation>ローカルエンジンに接続できません。</translation>
    </message>
    <message>
        <source>Your data plan is insufficient,please renew.</source>
        <translation>データプランが不足しています。更新してください。</translation>
    </message>
    <message>
        <source>Your IP number is insufficient,please renew.</source>
        <translation>IP数が不足しています。更新してください。</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>プログラムリストが空です。先にプログラムを追加してください！</translation>
    </message>
</context>
<context>
    <name>InterfaceRecv</name>
    <message>
        <source>The line list could not be loaded.</source>
        <translation>回線リストを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Please start BitBrowser first</source>
        <translation>先にBitBrowserを起動してください</translation>
    </message>
    <message>
        <source>The service could not be reached. Please try again.</source>
        <translation>サービスに接続できません。もう一度お試しください。</translation>
    </message>
    <message>
        <source>upload failed</source>
        <translation>アップロードに失敗しました</translation>
    </message>
    <message>
        <source>Submit failed</source>
        <translation>送信に失敗しました</translation>
    </message>
    <message>
        <source>Redeem failed</source>
        <translation>引き換えに失敗しました</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your account and try again.</source>
        <translation>サインインに失敗しました。アカウントを確認して再試行してください。</translation>
    </message>
</context>
<context>
    <name>LocationFilterBar</name>
    <message>
        <source>Country:</source>
        <translation>国：</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国</translation>
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
        <translation>ニューヨーク</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>都市：</translation>
    </message>
    <message>
        <source>City</source>
        <translation>都市</translation>
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
        <translation>郵便番号：</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>郵便番号</translation>
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
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>アンチディテクトブラウザ</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Please enter email or username</source>
        <translation>メールアドレスまたはユーザー名を入力してください</translation>
    </message>
    <message>
        <source>Please enter password</source>
        <translation>パスワードを入力してください</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Please enter account or email</source>
        <translation>アカウントまたはメールを入力</translation>
    </message>
    <message>
        <source>Auto Log In</source>
        <translation>自動ログイン</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>パスワードをお忘れですか？</translation>
    </message>
    <message>
        <source>Or login with</source>
        <translation>または次でログイン</translation>
    </message>
    <message>
        <source>Not registered yet ?  </source>
        <translation>アカウントをお持ちでないですか？  </translation>
    </message>
    <message>
        <source>Creat an Account</source>
        <translation>アカウントを作成</translation>
    </message>
</context>
<context>
    <name>PlanNames</name>
    <message>
        <source>Popular Plan</source>
        <translation>人気プラン</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>長期ISPプラン</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>静的ISPプロキシ</translation>
    </message>
    <message>
        <source>Traffic Plan</source>
        <translation>トラフィックプラン</translation>
    </message>
</context>
<context>
    <name>PopupBindPort</name>
    <message>
        <source> (Used)</source>
        <translation> (使用中)</translation>
    </message>
    <message>
        <source> (Free)</source>
        <translation> (空き)</translation>
    </message>
</context>
<context>
    <name>PopupBrowser</name>
    <message>
        <source>Unnamed</source>
        <translation>名称未設定</translation>
    </message>
    <message>
        <source>Successfully!</source>
        <translation>成功しました！</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>アンチディテクトブラウザ</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>ステータス</translation>
    </message>
    <message>
        <source>Anti-detection browser:</source>
        <translation>アンチディテクトブラウザ：</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>チュートリアル</translation>
    </message>
    <message>
        <source>Browser profiles:</source>
        <translation>ブラウザプロファイル：</translation>
    </message>
    <message>
        <source>Please get the latest list</source>
        <translation>最新のリストを取得してください</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>*The browser list has changed, or this function is used for the first time, please synchronize the latest list</source>
        <translation>*ブラウザリストが変更されたか、この機能を初めて使用します。最新のリストを同期してください</translation>
    </message>
    <message>
        <source>Automatically restart the browser when the proxy changes</source>
        <translation>プロキシ変更時にブラウザを自動再起動する</translation>
    </message>
    <message>
        <source>Clear Cookies Before Launch</source>
        <translation>起動前にCookieを消去</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save &amp; Close</source>
        <translation>保存 &amp; 閉じる</translation>
    </message>
</context>
<context>
    <name>PopupEquipmentLine</name>
    <message>
        <source>Successfully</source>
        <translation>成功しました</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>条件に一致するプロキシが見つかりませんでした。</translation>
    </message>
    <message>
        <source>Select Proxy</source>
        <translation>プロキシを選択</translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>人気プラン</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>長期ISPプラン</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>静的ISPプロキシ</translation>
    </message>
    <message>
        <source>Proxy History</source>
        <translation>プロキシ履歴</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>郵便番号</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Different proxies for different device</source>
        <translation>デバイスごとに異なるプロキシ</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>ニューヨーク</translation>
    </message>
</context>
<context>
    <name>PopupFeedback</name>
    <message>
        <source>Please selete category</source>
        <translation>カテゴリを選択してください</translation>
    </message>
    <message>
        <source>Please input your email</source>
        <translation>メールアドレスを入力してください</translation>
    </message>
    <message>
        <source>Please input your problem</source>
        <translation>問題を入力してください</translation>
    </message>
    <message>
        <source>Thanks! We have received your feedback.</source>
        <translation>ありがとうございます！フィードバックを受け付けました。</translation>
    </message>
    <message>
        <source>Select Picture</source>
        <translation>画像を選択</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>フィードバック</translation>
    </message>
    <message>
        <source>Fill in the fields bellow and one of our support agents will personally get back to you very soon.</source>
        <translation>以下の項目にご記入ください。サポート担当者より近日中にご連絡いたします。</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Your email</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Enter your email</source>
        <translation>メールアドレスを入力</translation>
    </message>
    <message>
        <source>What&apos;s the problem?</source>
        <translation>どのような問題ですか？</translation>
    </message>
    <message>
        <source>Describe your problem</source>
        <translation>問題の内容を記入してください</translation>
    </message>
    <message>
        <source>Add picture(Upload up to 3)</source>
        <translation>画像を追加（最大3枚）</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>送信</translation>
    </message>
</context>
<context>
    <name>PopupForwared</name>
    <message>
        <source>Globle connect</source>
        <translation>グローバル接続</translation>
    </message>
    <message>
        <source>Program connect</source>
        <translation>プログラム接続</translation>
    </message>
    <message>
        <source>Forward Port To Proxy</source>
        <translation>ポートをプロキシに転送</translation>
    </message>
    <message>
        <source>Forward </source>
        <translation>転送 </translation>
    </message>
    <message>
        <source>Remove from FavoriteList</source>
        <translation>お気に入りから削除</translation>
    </message>
    <message>
        <source>Add to FavoriteList</source>
        <translation>お気に入りに追加</translation>
    </message>
</context>
<context>
    <name>PopupModel</name>
    <message>
        <source>Tips</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Confirm this operation?</source>
        <translation>この操作を実行しますか？</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>ポート：</translation>
    </message>
    <message>
        <source>Deduct IP:</source>
        <translation>消費IP数：</translation>
    </message>
    <message>
        <source>This port range no longer exists; please choose one again.</source>
        <translation>このポート範囲は存在しなくなりました。もう一度選択してください。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Now IP:</source>
        <translation>現在のIP：</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>抽出中</translation>
    </message>
    <message>
        <source>Processing:</source>
        <translation>処理中：</translation>
    </message>
    <message>
        <source>Extract IP Is Completed</source>
        <translation>IPの抽出が完了しました</translation>
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
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>No notification yet</source>
        <translation>お知らせはまだありません</translation>
    </message>
    <message>
        <source>Choose a notice on the left to read it</source>
        <translation>左の通知を選ぶと内容が表示されます</translation>
    </message>
</context>
<context>
    <name>PortForwardList</name>
    <message>
        <source>Local IP</source>
        <translation>ローカルIP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>ステータス</translation>
    </message>
    <message>
        <source>BindIP</source>
        <translation>バインドIP</translation>
    </message>
    <message>
        <source>City</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>オンライン</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Copy Success</source>
        <translation>コピーしました</translation>
    </message>
    <message>
        <source>Forward List</source>
        <translation>転送リスト</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>The current list is empty</source>
        <translation>現在のリストは空です</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>テスト</translation>
    </message>
    <message>
        <source>Free All</source>
        <translation>すべて解放</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>すべてコピー</translation>
    </message>
    <message>
        <source>Free</source>
        <comment>action</comment>
        <translation>解放</translation>
    </message>
</context>
<context>
    <name>ProgramHistoryListView</name>
    <message>
        <source>LocalIp</source>
        <translation>ローカルIP</translation>
    </message>
    <message>
        <source>BindIP</source>
        <translation>バインドIP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>都市</translation>
    </message>
</context>
<context>
    <name>ProgramHistoryPopup</name>
    <message>
        <source>No proxy used for programs yet</source>
        <translation>プログラム用のプロキシはまだありません</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
</context>
<context>
    <name>ProgramMenuPopup</name>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Romove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Go ProxyList</source>
        <translation>プロキシリストへ</translation>
    </message>
</context>
<context>
    <name>ProgramRect</name>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>郵便番号</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>成功しました</translation>
    </message>
    <message>
        <source>Add application</source>
        <translation>アプリを追加</translation>
    </message>
    <message>
        <source>How to use?</source>
        <translation>使い方</translation>
    </message>
    <message>
        <source>&quot;Run&quot; starts a program with its proxy variables set to the connected exit; programs that ignore them go out directly.</source>
        <translation>「実行」は接続中の出口をプロキシ変数に設定してプログラムを起動します。変数を読まないプログラムは直接接続します。</translation>
    </message>
    <message>
        <source>click &quot;Browse&quot; to select the application</source>
        <translation>「参照」をクリックしてアプリを選択</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Automatically switch IP:</source>
        <translation>IPを自動で切り替え：</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/分</translation>
    </message>
    <message>
        <source>Close the program before switching IP</source>
        <translation>IP切り替え前にプログラムを閉じる</translation>
    </message>
    <message>
        <source>Turn off automatic proxy</source>
        <translation>自動プロキシをオフ</translation>
    </message>
    <message>
        <source>Turn on automatic proxy</source>
        <translation>自動プロキシをオン</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Custom Proxy History</source>
        <translation>カスタムプロキシ履歴</translation>
    </message>
</context>
<context>
    <name>ProxyLineModel</name>
    <message>
        <source>Renew</source>
        <translation>更新</translation>
    </message>
</context>
<context>
    <name>ProxyListPage</name>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>条件に一致するプロキシが見つかりませんでした。</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>プロキシIP</translation>
    </message>
    <message>
        <source>Expiration time</source>
        <translation>有効期限</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>郵便番号</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>成功しました</translation>
    </message>
    <message>
        <source>loading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>ポート転送リスト</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
</context>
<context>
    <name>ProxyManager</name>
    <message>
        <source>No free local port</source>
        <translation>空きローカルポートがありません</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>ランダム</translation>
    </message>
    <message>
        <source>Connect the program to a proxy first</source>
        <translation>先にプログラムをプロキシに接続してください</translation>
    </message>
    <message>
        <source>This file cannot be run</source>
        <translation>このファイルは実行できません</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>プログラムリストが空です。先にプログラムを追加してください！</translation>
    </message>
</context>
<context>
    <name>RadioMealBase</name>
    <message>
        <source>IPs</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Recharge</source>
        <translation>チャージ</translation>
    </message>
</context>
<context>
    <name>RectAPISecond</name>
    <message>
        <source>Successfully</source>
        <translation>成功しました</translation>
    </message>
    <message>
        <source>API Proxy History</source>
        <translation>APIプロキシ履歴</translation>
    </message>
    <message>
        <source>Package Type:  </source>
        <translation>プランの種類：  </translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>人気プラン</translation>
    </message>
    <message>
        <source>IP Extraction:  </source>
        <translation>IP抽出：  </translation>
    </message>
    <message>
        <source>Location:   </source>
        <translation>地域：   </translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>Other:  </source>
        <translation>その他：  </translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>郵便番号</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>API Port:   </source>
        <translation>APIポート：   </translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>再起動</translation>
    </message>
    <message>
        <source>After modication,please click the [Restart] button</source>
        <translation>変更後、[再起動]ボタンをクリックしてください</translation>
    </message>
    <message>
        <source>API Link:   </source>
        <translation>APIリンク：   </translation>
    </message>
    <message>
        <source>Click the Start Proxy button to view the link.</source>
        <translation>[プロキシ開始]ボタンをクリックするとリンクが表示されます。</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>リンクを開く</translation>
    </message>
    <message>
        <source>Tips: In API mode, the number of IPs is deducted when the proxy list is successfully obtained.</source>
        <translation>ヒント：APIモードでは、プロキシリストの取得に成功した時点でIP数が差し引かれます。</translation>
    </message>
    <message>
        <source>API Parameter Declaration:</source>
        <translation>APIパラメータの説明：</translation>
    </message>
    <message>
        <source>You can use the parameter like this</source>
        <translation>パラメータは次のように使用できます</translation>
    </message>
    <message>
        <source>API Guide</source>
        <translation>APIガイド</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>ポート転送リスト</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
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
        <translation>ランダム</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>プロキシIP</translation>
    </message>
    <message>
        <source>Expiration time</source>
        <translation>有効期限</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>郵便番号</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>条件に一致するプロキシが見つかりませんでした。</translation>
    </message>
</context>
<context>
    <name>RectEquimentLineHistory</name>
    <message>
        <source>Random</source>
        <translation>ランダム</translation>
    </message>
    <message>
        <source>False</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>True</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>成功しました</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>プロキシIP</translation>
    </message>
    <message>
        <source>TimeType</source>
        <translation>時間タイプ</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
    <message>
        <source>State</source>
        <translation>州</translation>
    </message>
    <message>
        <source>City</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>郵便番号</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Buy Time</source>
        <translation>購入日時</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>オンライン</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>条件に一致するプロキシが見つかりませんでした。</translation>
    </message>
    <message>
        <source>Proxy history is empty,</source>
        <translation>プロキシ履歴はありません。</translation>
    </message>
</context>
<context>
    <name>RectEquipment</name>
    <message>
        <source>Please select the device that needs to be sited</source>
        <translation>設定するデバイスを選択してください</translation>
    </message>
    <message>
        <source>Please select the device that needs to be noted</source>
        <translation>備考を付けるデバイスを選択してください</translation>
    </message>
    <message>
        <source>Device is binding...</source>
        <translation>デバイスをバインド中...</translation>
    </message>
    <message>
        <source>Device is disconnecting...</source>
        <translation>デバイスを切断中...</translation>
    </message>
    <message>
        <source>Device is connecting...</source>
        <translation>デバイスを接続中...</translation>
    </message>
    <message>
        <source>Device is remarking...</source>
        <translation>デバイスの備考を設定中...</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>成功しました</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>デバイスリスト</translation>
    </message>
    <message>
        <source>How to use group control?</source>
        <translation>グループコントロールの使い方は？</translation>
    </message>
    <message>
        <source>Device Status</source>
        <translation>デバイスステータス</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>オンライン</translation>
    </message>
    <message>
        <source>Connection Status</source>
        <translation>接続ステータス</translation>
    </message>
    <message>
        <source>Enter device name to search</source>
        <translation>デバイス名を入力して検索</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>デバイス名</translation>
    </message>
    <message>
        <source>Proxy Ip</source>
        <translation>プロキシIP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>No devices are currently added</source>
        <translation>追加されたデバイスはまだありません</translation>
    </message>
    <message>
        <source>No device matching search criteria found.</source>
        <translation>検索条件に一致するデバイスが見つかりません。</translation>
    </message>
    <message>
        <source>Don&apos;t know how to add a device?</source>
        <translation>デバイスの追加方法がわかりませんか？</translation>
    </message>
    <message>
        <source>View detailed tutorial</source>
        <translation>詳しいチュートリアルを見る</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>選択済み：</translation>
    </message>
    <message>
        <source>Batch settings</source>
        <translation>一括設定</translation>
    </message>
    <message>
        <source>Batch Connection</source>
        <translation>一括接続</translation>
    </message>
    <message>
        <source>Please select the device that needs to be connected</source>
        <translation>接続するデバイスを選択してください</translation>
    </message>
    <message>
        <source>Batch Disconnection</source>
        <translation>一括切断</translation>
    </message>
    <message>
        <source>Please select the device that needs to be disconnected</source>
        <translation>切断するデバイスを選択してください</translation>
    </message>
    <message>
        <source>Batch Notes</source>
        <translation>一括備考</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
</context>
<context>
    <name>RectFavoriteList</name>
    <message>
        <source>Favouritelist is empty,</source>
        <translation>お気に入りは空です。</translation>
    </message>
</context>
<context>
    <name>RectProxyList</name>
    <message>
        <source>There is no Static ISP Proxy,</source>
        <translation>静的ISPプロキシがありません。</translation>
    </message>
    <message>
        <source>buy now</source>
        <translation>今すぐ購入</translation>
    </message>
</context>
<context>
    <name>RectSettings</name>
    <message>
        <source>Begin Port 1-65534</source>
        <translation>開始ポート 1-65534</translation>
    </message>
    <message>
        <source>Port Number 1-200, Begin Port + Port Number ≤ 65535</source>
        <translation>ポート数 1-200、開始ポート + ポート数 ≤ 65535</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>成功しました</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>保存されませんでした：%1</translation>
    </message>
    <message>
        <source>Not turned on: a start entry cannot name this program&apos;s folder, or could not be written</source>
        <translation>オンにできませんでした：起動エントリにこのプログラムのフォルダー名を書けないか、書き込めませんでした</translation>
    </message>
    <message>
        <source>Not turned off: the start entry could not be removed</source>
        <translation>オフにできませんでした：起動エントリを削除できませんでした</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>一般設定</translation>
    </message>
    <message>
        <source>Begin Port:</source>
        <translation>開始ポート：</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>ポート数：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Do not remove duplicate Proxies</source>
        <translation>重複プロキシを除外しない</translation>
    </message>
    <message>
        <source>Purchased proxies may appear when refreshing the ProxyList</source>
        <translation>プロキシリストの更新時に購入済みプロキシが表示されることがあります</translation>
    </message>
    <message>
        <source>Remove duplicate proxies,No duplicate proxies will be acquired within</source>
        <translation>重複プロキシを除外：次の時間内は重複プロキシを取得しません</translation>
    </message>
    <message>
        <source>Once set, purchased proxies will no longer appear when refreshing the ProxyList</source>
        <translation>設定後、プロキシリストの更新時に購入済みプロキシは表示されなくなります</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語：</translation>
    </message>
    <message>
        <source>Automatically launch Qel Proxy when you turn on your device:</source>
        <translation>デバイスの起動時にQel Proxyを自動起動する：</translation>
    </message>
</context>
<context>
    <name>RectTodayList</name>
    <message>
        <source>Todaylist is empty,</source>
        <translation>本日のリストは空です。</translation>
    </message>
</context>
<context>
    <name>RemarkPopup</name>
    <message>
        <source>Remark</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>Please enter a remark</source>
        <translation>備考を入力してください</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SearchManager</name>
    <message>
        <source>Popular Plan</source>
        <translation>人気プラン</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>長期ISPプラン</translation>
    </message>
</context>
<context>
    <name>TipsCustomPopup</name>
    <message>
        <source>Tips</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Recharge Now</source>
        <translation>今すぐチャージ</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>UpdatePopup</name>
    <message>
        <source>The new version could not be downloaded.</source>
        <translation>新しいバージョンをダウンロードできませんでした。</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>アップデートのお知らせ</translation>
    </message>
    <message>
        <source>New version found V</source>
        <translation>新しいバージョンが見つかりました V</translation>
    </message>
    <message>
        <source>Update anomalies?</source>
        <translation>アップデートに問題がありますか？</translation>
    </message>
    <message>
        <source>To the website</source>
        <translation>Webサイトへ</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>今すぐアップデート</translation>
    </message>
    <message>
        <source>This is the latest version!</source>
        <translation>最新バージョンです！</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The client version you are using has been disabled. Please download and install again from the offical website.</source>
        <translation>ご利用中のクライアントバージョンは無効になりました。公式サイトから再度ダウンロードしてインストールしてください。</translation>
    </message>
    <message>
        <source>Go Now</source>
        <translation>今すぐ移動</translation>
    </message>
    <message>
        <source>Updating......</source>
        <translation>アップデート中......</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>公式サイト</translation>
    </message>
    <message>
        <source>The new version was downloaded and saved to:</source>
        <translation>新しいバージョンをダウンロードし、次の場所に保存しました：</translation>
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
        <translation>開けるのはWebページのみです。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>The proxy has expired and cannot be renewed</source>
        <translation>プロキシの有効期限が切れており、更新できません</translation>
    </message>
    <message>
        <source>Hello World</source>
        <translation>ハローワールド</translation>
    </message>
    <message>
        <source>发送消息</source>
        <translation>メッセージを送信</translation>
    </message>
</context>
<context>
    <name>mainLoader</name>
    <message>
        <source>Function</source>
        <translation>機能</translation>
    </message>
    <message>
        <source>Proxy List</source>
        <translation>プロキシリスト</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>静的ISPプロキシ</translation>
    </message>
    <message>
        <source>Today List</source>
        <translation>本日のリスト</translation>
    </message>
    <message>
        <source>Favorite List</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>API</source>
        <translation>API</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>Group Control</source>
        <translation>グループコントロール</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>New Version is Online,</source>
        <translation>新しいバージョンが公開されました、</translation>
    </message>
    <message>
        <source>Update Immediately</source>
        <translation>今すぐアップデート</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Local Proxy:</source>
        <translation>ローカルプロキシ：</translation>
    </message>
    <message>
        <source>Local IP:</source>
        <translation>ローカルIP：</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>人気プラン</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>長期ISPプラン</translation>
    </message>
    <message>
        <source>Traffic Plan</source>
        <translation>トラフィックプラン</translation>
    </message>
    <message>
        <source>Dedicated Static IP</source>
        <translation>専用静的IP</translation>
    </message>
    <message>
        <source>Datacenter Proxy</source>
        <translation>データセンタープロキシ</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>国コード</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Please use in non Chinese Mainland environment</source>
        <translation>中国本土以外の環境でご利用ください</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>フィードバック</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>パートナー</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>new</source>
        <translation>新</translation>
    </message>
</context>
</TS>
