<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
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
    <name>EditLogin</name>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
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
        <translation>アカウントまたはメールアドレスを入力してください</translation>
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
    <name>PopupNotice</name>
    <message>
        <source>Notice</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>No notification yet</source>
        <translation>お知らせはまだありません</translation>
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
    <name>RectSettings</name>
    <message>
        <source>Begin Port</source>
        <translation>開始ポート</translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>ポート数</translation>
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
        <source>Version</source>
        <translation type="vanished">バージョン</translation>
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
</context>
</TS>
