<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>, built %1</source>
        <translation>、ビルド日 %1</translation>
    </message>
    <message>
        <source>Machine identifier: %1</source>
        <translation>コンピューター ID: %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>動画をダウンロードしました</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>ダウンロードに失敗しました</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
</context>
<context>
    <name>DoNotShowWindowAgain</name>
    <message>
        <source>Do Not Show This Update Window Again for 2 Weeks</source>
        <translation>このアップデート ウィンドウを 2 週間表示しない</translation>
    </message>
</context>
<context>
    <name>DownloadChoices</name>
    <message>
        <source>Choose Download Folder…</source>
        <translation>ダウンロード先フォルダーを選択…</translation>
    </message>
    <message>
        <source>Use Cookies From</source>
        <translation>Cookie の取得元</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Choose Download Folder</source>
        <translation>ダウンロード先フォルダーを選択</translation>
    </message>
    <message>
        <source>Prepare Copied Links</source>
        <translation>コピーしたリンクを準備</translation>
    </message>
    <message>
        <source>yt-dlp Channel</source>
        <translation>yt-dlp のチャネル</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>安定版</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Nightly</source>
        <translation>Nightly</translation>
    </message>
    <message>
        <source>Embed Title, Chapters and Cover</source>
        <translation>タイトル、チャプター、カバー画像を埋め込む</translation>
    </message>
</context>
<context>
    <name>DownloadPage</name>
    <message>
        <source>Back to the Formats</source>
        <translation>形式に戻る</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>ダウンロード中: </translation>
    </message>
    <message>
        <source>title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>動画をダウンロードしました</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>最初から</translation>
    </message>
    <message>
        <source>Open Folder with File</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>ダウンロードの進行状況</translation>
    </message>
    <message>
        <source>Sound Successfully Saved</source>
        <translation>音声を保存しました</translation>
    </message>
</context>
<context>
    <name>EngineWarnings</name>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The download folder %1 is gone or cannot be written. This download goes to %2.</source>
        <translation>ダウンロード先フォルダー %1 が存在しないか、書き込めません。このダウンロードは %2 に保存されます。</translation>
    </message>
    <message>
        <source>The current yt-dlp is still being installed, so this video is asked of the yt-dlp installed on your system, which may be too old for the site. If it fails, try again in a few minutes.</source>
        <translation>最新の yt-dlp をまだインストール中のため、この動画はお使いのシステムにインストールされている yt-dlp で取得します。この yt-dlp はサイトに対応するには古い可能性があります。失敗した場合は、数分後にもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>ErrorMessage</name>
    <message>
        <source>Code: #0x%1</source>
        <translation>コード: #0x%1</translation>
    </message>
    <message>
        <source>Try Again with %1 Cookies</source>
        <translation>%1 の Cookie で再試行</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>FormatChoices</name>
    <message>
        <source>Subtitles:</source>
        <translation>字幕:</translation>
    </message>
    <message>
        <source>Download Part…</source>
        <translation>区間…</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Subtitles to put into the video</source>
        <translation>動画に入れる字幕</translation>
    </message>
    <message>
        <source>Part to download</source>
        <translation>ダウンロードする区間</translation>
    </message>
    <message>
        <source>Download only a part of the video</source>
        <translation>動画の一部の区間だけをダウンロード</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>%1 (automatic)</source>
        <translation>%1 (自動生成)</translation>
    </message>
</context>
<context>
    <name>FormatPage</name>
    <message>
        <source>Back to the Address</source>
        <translation>アドレスに戻る</translation>
    </message>
    <message>
        <source>title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>This video offers no formats to download. Check the address, or try again later.</source>
        <translation>この動画にはダウンロードできる形式がありません。アドレスを確認するか、後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>Reading the video&apos;s formats</source>
        <translation>動画の形式を読み取っています</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>音声のみ</translation>
    </message>
    <message>
        <source>Save the sound alone</source>
        <translation>音声だけを保存</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>Save the sound alone as MP3</source>
        <translation>音声だけを MP3 で保存</translation>
    </message>
    <message>
        <source>Audio as MP3</source>
        <translation>MP3 の音声</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>| %1 sec.</source>
        <translation>| %1 秒</translation>
    </message>
</context>
<context>
    <name>FormatTableModel</name>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Video with audio, %1</source>
        <translation>音声付き動画、%1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 をダウンロード</translation>
    </message>
    <message>
        <source>The size of the video stream; the audio adds to it</source>
        <translation>動画ストリームのサイズです。音声の分がこれに加わります</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>HttpGet</name>
    <message>
        <source>cannot fetch %1: %2</source>
        <translation>%1 を取得できません: %2</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>%1 秒間データがありません</translation>
    </message>
    <message>
        <source>not done within %1 s</source>
        <translation>%1 秒以内に完了しませんでした</translation>
    </message>
    <message>
        <source>only https is allowed</source>
        <translation>https のみ許可されています</translation>
    </message>
    <message>
        <source>HTTP status %1 without a new address</source>
        <translation>新しいアドレスのない HTTP ステータス %1</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>リダイレクトが多すぎます</translation>
    </message>
    <message>
        <source>refused the redirect to %1</source>
        <translation>%1 へのリダイレクトを拒否しました</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>%1 バイトを超えています</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP ステータス %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>書き込めません: %1</translation>
    </message>
    <message>
        <source>the body is compressed (%1), which was not asked for</source>
        <translation>要求していないのに内容が圧縮されています (%1)</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>応答が空です</translation>
    </message>
</context>
<context>
    <name>Navigation</name>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Video Address</source>
        <translation>動画のアドレス</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>WARNING: You must provide at least some valid YouTube URL to proceed</source>
        <translation>警告: 続行するには有効な YouTube のアドレスを入力してください</translation>
    </message>
    <message>
        <source>Show the formats of the video at this address</source>
        <translation>このアドレスの動画の形式を表示</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>処理</translation>
    </message>
    <message>
        <source>Waiting for the release servers to send the current yt-dlp and Deno. On a slow connection this can take some minutes.</source>
        <translation>リリース サーバーから最新の yt-dlp と Deno が届くのを待っています。接続が遅い場合は数分かかることがあります。</translation>
    </message>
    <message>
        <source>Paste a YouTube video address</source>
        <translation>YouTube の動画のアドレスを貼り付けてください</translation>
    </message>
    <message>
        <source>The address of the YouTube video to download, then press Enter</source>
        <translation>ダウンロードする YouTube の動画のアドレスを入力し、Enter キーを押してください</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>処理中</translation>
    </message>
</context>
<context>
    <name>PartDialog</name>
    <message>
        <source>Type the start as m:ss or h:mm:ss, for example 1:05.</source>
        <translation>開始位置を m:ss または h:mm:ss の形式で入力してください (例: 1:05)。</translation>
    </message>
    <message>
        <source>Type the end as m:ss or h:mm:ss, for example 2:30.</source>
        <translation>終了位置を m:ss または h:mm:ss の形式で入力してください (例: 2:30)。</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>終了位置は開始位置より後にしてください。</translation>
    </message>
    <message>
        <source>The video is only %1 long.</source>
        <translation>動画の長さは %1 しかありません。</translation>
    </message>
    <message>
        <source>Download Part</source>
        <translation>区間をダウンロード</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>開始(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>終了(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;Whole Video</source>
        <translation>動画全体(&amp;W)</translation>
    </message>
    <message>
        <source>Which part of the video to download, as m:ss or h:mm:ss:</source>
        <translation>ダウンロードする動画の区間 (m:ss または h:mm:ss の形式):</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Merging video and audio…</source>
        <translation>動画と音声を結合しています…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>残り %1</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>ダウンロード中…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>ダウンロード中です。中止して終了しますか?</translation>
    </message>
</context>
<context>
    <name>SavedFile</name>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>Machine identifier</source>
        <translation>コンピューター ID</translation>
    </message>
    <message>
        <source>The identifier of this computer:

%1</source>
        <translation>このコンピューターの ID:

%1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
</context>
<context>
    <name>ThumbnailView</name>
    <message>
        <source>Thumbnail</source>
        <translation>サムネイル</translation>
    </message>
</context>
<context>
    <name>ToolError</name>
    <message>
        <source>This video is private: only people its owner invited can watch it. Choose another video.</source>
        <translation>この動画は非公開です。所有者が招待したユーザーのみ視聴できます。別の動画を選んでください。</translation>
    </message>
    <message>
        <source>This video is not available in your country.</source>
        <translation>この動画はお住まいの国では視聴できません。</translation>
    </message>
    <message>
        <source>This live stream or premiere has not started yet. Try again once it has begun.</source>
        <translation>このライブ配信またはプレミア公開はまだ始まっていません。始まってからもう一度お試しください。</translation>
    </message>
    <message>
        <source>This video has been removed or is not available. Check the address.</source>
        <translation>この動画は削除されたか、視聴できません。アドレスを確認してください。</translation>
    </message>
    <message>
        <source>The site could not be reached. Check the internet connection and try again.</source>
        <translation>サイトに接続できませんでした。インターネット接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later.</source>
        <translation>サイトが現在リクエストを受け付けていません。後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>This video is for the channel&apos;s paying members only. If you are one, sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>この動画はチャンネルの有料メンバー限定です。メンバーの場合は、ブラウザーでサイトにログインし、メニュー (ウィンドウを右クリック) の「Cookie の取得元」でそのブラウザーを選んでください。</translation>
    </message>
    <message>
        <source>This video has an age limit and is shown only to signed-in adults. Sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>この動画には年齢制限があり、ログインした成人にのみ表示されます。ブラウザーでサイトにログインし、メニュー (ウィンドウを右クリック) の「Cookie の取得元」でそのブラウザーを選んでください。</translation>
    </message>
    <message>
        <source>The site asks to sign in to confirm that you are not a bot. Choose a browser you are signed in with under “Use Cookies From” in the menu (right-click the window), or try again later.</source>
        <translation>ボットでないことを確認するため、サイトがログインを求めています。メニュー (ウィンドウを右クリック) の「Cookie の取得元」でログイン済みのブラウザーを選ぶか、後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>The browser&apos;s cookies could not be read: no profile of that browser was found. Start that browser once and sign in to the site, or choose another browser or “None” under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>ブラウザーの Cookie を読み取れませんでした。そのブラウザーのプロファイルが見つかりません。そのブラウザーを一度起動してサイトにログインするか、メニュー (ウィンドウを右クリック) の「Cookie の取得元」で別のブラウザーか「なし」を選んでください。</translation>
    </message>
    <message>
        <source>The site no longer offers the chosen format. Go back and choose another one.</source>
        <translation>サイトは選んだ形式を提供しなくなりました。戻って別の形式を選んでください。</translation>
    </message>
    <message>
        <source>A part of the video could not be fetched from the site. Try again later.</source>
        <translation>動画の一部をサイトから取得できませんでした。後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>The site has changed in a way this yt-dlp cannot follow yet. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>サイトが変更され、この yt-dlp はまだ対応できていません。1～2 日後にもう一度お試しいただくか、メニューの「yt-dlp のチャネル」で「Nightly」を選んでください。</translation>
    </message>
    <message>
        <source>The site offered no format of this video that yt-dlp can read. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>サイトから、yt-dlp が読み取れるこの動画の形式が提供されませんでした。1～2 日後にもう一度お試しいただくか、メニューの「yt-dlp のチャネル」で「Nightly」を選んでください。</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later, or choose cookies from a signed-in browser.</source>
        <translation>サイトが現在リクエストを受け付けていません。後でもう一度お試しいただくか、ログイン済みのブラウザーの Cookie を選んでください。</translation>
    </message>
    <message>
        <source>yt-dlp&apos;s nightly build %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>yt-dlp の Nightly ビルド %1 をインストールしてダウンロードを再試行しましたが、サイトは引き続き拒否しています。</translation>
    </message>
    <message>
        <source>yt-dlp %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>yt-dlp %1 をインストールしてダウンロードを再試行しましたが、サイトは引き続き拒否しています。</translation>
    </message>
    <message>
        <source>Clipmoor found no newer yt-dlp than the one it has.</source>
        <translation>Clipmoor は、現在のものより新しい yt-dlp を見つけられませんでした。</translation>
    </message>
    <message>
        <source>Clipmoor asked the site for the video again; the site still refuses it.</source>
        <translation>Clipmoor はサイトに動画を再度要求しましたが、サイトは引き続き拒否しています。</translation>
    </message>
    <message>
        <source>The site did not accept the sign-in of %1, whose cookies were used: it may have expired. Sign in to the site in %1 again, then try again.</source>
        <translation>Cookie を使用した %1 のログインをサイトが受け付けませんでした。ログインの有効期限が切れている可能性があります。%1 でサイトにもう一度ログインしてから、再度お試しください。</translation>
    </message>
    <message>
        <source>The site refused the stored link; asking again…</source>
        <translation>サイトが保存済みのリンクを拒否しました。再度要求しています…</translation>
    </message>
    <message>
        <source>Looking for a newer yt-dlp…</source>
        <translation>新しい yt-dlp を探しています…</translation>
    </message>
    <message>
        <source>Updating yt-dlp to %1…</source>
        <translation>yt-dlp を %1 にアップデートしています…</translation>
    </message>
    <message>
        <source>Trying yt-dlp&apos;s nightly build…</source>
        <translation>yt-dlp の Nightly ビルドを試しています…</translation>
    </message>
    <message>
        <source>The video&apos;s title and length could not be read</source>
        <translation>動画のタイトルと長さを読み取れませんでした</translation>
    </message>
    <message>
        <source>Check the address and the internet connection, then try again.</source>
        <translation>アドレスとインターネット接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The video&apos;s length could not be read</source>
        <translation>動画の長さを読み取れませんでした</translation>
    </message>
    <message>
        <source>Try again. If it happens again, update the downloader with “Manually Update Software” in the menu.</source>
        <translation>もう一度お試しください。再び起きる場合は、メニューの「手動でアップデート」でダウンロード ツールをアップデートしてください。</translation>
    </message>
    <message>
        <source>The downloader stopped while reading the video&apos;s title</source>
        <translation>ダウンロード ツールが動画のタイトルの読み取り中に停止しました</translation>
    </message>
    <message>
        <source>The downloader stopped while listing the formats</source>
        <translation>ダウンロード ツールが形式の一覧の作成中に停止しました</translation>
    </message>
    <message>
        <source>The downloader stopped during the download</source>
        <translation>ダウンロード ツールがダウンロード中に停止しました</translation>
    </message>
    <message>
        <source>Choose the format again to start the download anew.</source>
        <translation>もう一度形式を選んで、ダウンロードをやり直してください。</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be read</source>
        <translation>動画の形式の一覧を読み取れませんでした</translation>
    </message>
    <message>
        <source>The downloader could not be started</source>
        <translation>ダウンロード ツールを起動できませんでした</translation>
    </message>
    <message>
        <source>Install the program again: its downloader is missing or cannot be run.</source>
        <translation>プログラムをインストールし直してください。ダウンロード ツールが見つからないか、実行できません。</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>ダウンロードに失敗しました</translation>
    </message>
    <message>
        <source>Try again, or choose another format.</source>
        <translation>もう一度お試しいただくか、別の形式を選んでください。</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be fetched</source>
        <translation>動画の形式の一覧を取得できませんでした</translation>
    </message>
    <message>
        <source>Check the internet connection, then try again.</source>
        <translation>インターネット接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>This video offers no formats to download</source>
        <translation>この動画にはダウンロードできる形式がありません</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>問題が発生しました</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>もう一度お試しください。</translation>
    </message>
    <message>
        <source>Check the address, or try again later.</source>
        <translation>アドレスを確認するか、後でもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>ToolUpdatePage</name>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Unable to update. Please contact support</source>
        <translation>アップデートできません。サポートにお問い合わせください</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Clipmoor was successfully updated</source>
        <translation>Clipmoor をアップデートしました</translation>
    </message>
</context>
<context>
    <name>UpdateNOT</name>
    <message>
        <source>No Updates are Available
You Have the Current Version</source>
        <translation>利用できるアップデートはありません
お使いのバージョンは最新です</translation>
    </message>
</context>
<context>
    <name>UpdateYES</name>
    <message>
        <source>An Update is Available
Click the button below to process the update</source>
        <translation>アップデートがあります
下のボタンをクリックしてアップデートしてください</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>An Update is Available
Update %1 through your system&apos;s package manager</source>
        <translation>アップデートがあります
システムのパッケージ マネージャーで %1 をアップデートしてください</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Network error</source>
        <translation>ネットワーク エラー</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>ダウンロードに失敗しました</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>サーバー エラー</translation>
    </message>
    <message>
        <source>Server returned HTML instead of file</source>
        <translation>サーバーがファイルではなく HTML を返しました</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2</source>
        <translation>ファイル %1 を書き込み用に開けません: %2</translation>
    </message>
    <message>
        <source>HTTP status: %1
%2</source>
        <translation>HTTP ステータス: %1
%2</translation>
    </message>
    <message>
        <source>The downloaded installer %1 does not match its published SHA-256 checksum</source>
        <translation>ダウンロードしたインストーラー %1 が公開されている SHA-256 チェックサムと一致しません</translation>
    </message>
    <message>
        <source>%1. 

URL: %2</source>
        <translation>%1。

アドレス: %2</translation>
    </message>
    <message>
        <source>The update server did not answer within %1 seconds</source>
        <translation>アップデート サーバーが %1 秒以内に応答しませんでした</translation>
    </message>
    <message>
        <source>The manifest is larger than %1 bytes</source>
        <translation>アップデート情報が %1 バイトを超えています</translation>
    </message>
    <message>
        <source>JSON parse error</source>
        <translation>JSON データの読み取りエラー</translation>
    </message>
    <message>
        <source>JSON download error</source>
        <translation>JSON データのダウンロード エラー</translation>
    </message>
    <message>
        <source>Installer error</source>
        <translation>インストーラーのエラー</translation>
    </message>
    <message>
        <source>Output dir error</source>
        <translation>保存先フォルダーのエラー</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>ファイル エラー</translation>
    </message>
    <message>
        <source>The installer address %1 is not an http or https address</source>
        <translation>インストーラーのアドレス %1 は http または https のアドレスではありません</translation>
    </message>
    <message>
        <source>Cannot create output directory: %1</source>
        <translation>保存先フォルダーを作成できません: %1</translation>
    </message>
    <message>
        <source>The installer address %1 names no file to save</source>
        <translation>インストーラーのアドレス %1 には保存するファイルが示されていません</translation>
    </message>
    <message>
        <source>The installer %1 does not match its published SHA-256 checksum</source>
        <translation>インストーラー %1 が公開されている SHA-256 チェックサムと一致しません</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something is blocking this on your machine.

Please close this window and check for any antivirus/malware programs that might be running and temporarily disable them. Then try running the update again.</source>
        <translation>アップデートをダウンロードして適用しようとしていますが、お使いのコンピューターで何かがそれを妨げています。

このウィンドウを閉じ、ウイルス対策ソフトやマルウェア対策ソフトが動作していないか確認して、一時的に無効にしてください。その後、もう一度アップデートをお試しください。</translation>
    </message>
    <message>
        <source>UPD. ERROR: %1</source>
        <translation>アップデート エラー: %1</translation>
    </message>
    <message>
        <source>Installer already downloaded</source>
        <translation>インストーラーはダウンロード済みです</translation>
    </message>
    <message>
        <source>The installer file already exists:
%1

Do you want to run the existing installer, or download it again?</source>
        <translation>インストーラーのファイルが既にあります:
%1

既存のインストーラーを実行しますか、それとももう一度ダウンロードしますか?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Run Installer</source>
        <translation>インストーラーを実行</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>もう一度ダウンロード</translation>
    </message>
    <message>
        <source>The update has been downloaded</source>
        <translation>アップデートをダウンロードしました</translation>
    </message>
    <message>
        <source>The update has been downloaded to your Downloads folder:
%1

The %2 will now close and the installer will guide you through the update process</source>
        <translation>アップデートをダウンロード フォルダーにダウンロードしました:
%1

%2 はこれから終了し、インストーラーがアップデートの手順を案内します</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Launch Installer Myself</source>
        <translation>自分でインストーラーを起動</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>ダウンロードをキャンセルしました</translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation>ユーザーがダウンロードをキャンセルしました。</translation>
    </message>
    <message>
        <source>%1 Updater</source>
        <translation>%1 アップデーター</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something went wrong on the way.

Please close this window, check the internet connection and the free space in your Downloads folder, then try running the update again.</source>
        <translation>アップデートをダウンロードして適用しようとしていますが、途中で問題が発生しました。

このウィンドウを閉じ、インターネット接続とダウンロード フォルダーの空き容量を確認してから、もう一度アップデートをお試しください。</translation>
    </message>
    <message>
        <source>We strongly suggest that you
temporarily disable your antivirus
program before proceeding with
the update</source>
        <translation>アップデートを続行する前に、
ウイルス対策ソフトを
一時的に無効にすることを
強くお勧めします</translation>
    </message>
    <message>
        <source>The program closes when the
update starts: let a running
download finish before
proceeding</source>
        <translation>アップデートが始まると
プログラムは終了します。
実行中のダウンロードが
終わってから続行してください</translation>
    </message>
</context>
<context>
    <name>UpdaterHeader</name>
    <message>
        <source>(curr. version: %1)</source>
        <translation>(現在のバージョン: %1)</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>A simple downloader for single YouTube videos.</source>
        <translation>YouTube の動画を 1 本ずつダウンロードするシンプルなプログラムです。</translation>
    </message>
    <message>
        <source>Manually Update Software</source>
        <translation>手動でアップデート</translation>
    </message>
    <message>
        <source>Logging enabled</source>
        <translation>ログ記録が有効です</translation>
    </message>
    <message>
        <source>Change Scale Size</source>
        <translation>表示倍率を変更</translation>
    </message>
    <message>
        <source>Show UUID</source>
        <translation>UUID を表示</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 version: %2</source>
        <translation>%1 のバージョン: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>update this app as some version</source>
        <translation>このアプリを指定のバージョンとしてアップデート</translation>
    </message>
    <message>
        <source>show UID</source>
        <translation>UID を表示</translation>
    </message>
</context>
</TS>
