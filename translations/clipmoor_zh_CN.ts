<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>, built %1</source>
        <translation>，构建于 %1</translation>
    </message>
    <message>
        <source>Machine identifier: %1</source>
        <translation>计算机标识：%1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>视频已下载</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>下载失败</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
</context>
<context>
    <name>DoNotShowWindowAgain</name>
    <message>
        <source>Do Not Show This Update Window Again for 2 Weeks</source>
        <translation>2 周内不再显示此更新窗口</translation>
    </message>
</context>
<context>
    <name>DownloadChoices</name>
    <message>
        <source>Choose Download Folder…</source>
        <translation>选择下载文件夹…</translation>
    </message>
    <message>
        <source>Use Cookies From</source>
        <translation>Cookie 来源</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Choose Download Folder</source>
        <translation>选择下载文件夹</translation>
    </message>
    <message>
        <source>Prepare Copied Links</source>
        <translation>准备已复制的链接</translation>
    </message>
    <message>
        <source>yt-dlp Channel</source>
        <translation>yt-dlp 更新渠道</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>稳定版</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Nightly</source>
        <translation>Nightly</translation>
    </message>
    <message>
        <source>Embed Title, Chapters and Cover</source>
        <translation>嵌入标题、章节和封面</translation>
    </message>
</context>
<context>
    <name>DownloadPage</name>
    <message>
        <source>Back to the Formats</source>
        <translation>返回格式</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>正在下载：</translation>
    </message>
    <message>
        <source>title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>视频已下载</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>重新开始</translation>
    </message>
    <message>
        <source>Open Folder with File</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>下载进度</translation>
    </message>
    <message>
        <source>Sound Successfully Saved</source>
        <translation>音频已保存</translation>
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
        <translation>下载文件夹 %1 已不存在或无法写入。此次下载将保存到 %2。</translation>
    </message>
    <message>
        <source>The current yt-dlp is still being installed, so this video is asked of the yt-dlp installed on your system, which may be too old for the site. If it fails, try again in a few minutes.</source>
        <translation>最新的 yt-dlp 仍在安装中，因此将使用您系统上安装的 yt-dlp 获取此视频，它对该网站来说可能过旧。如果失败，请几分钟后重试。</translation>
    </message>
</context>
<context>
    <name>ErrorMessage</name>
    <message>
        <source>Code: #0x%1</source>
        <translation>代码：#0x%1</translation>
    </message>
    <message>
        <source>Try Again with %1 Cookies</source>
        <translation>使用 %1 的 Cookie 重试</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>FormatChoices</name>
    <message>
        <source>Subtitles:</source>
        <translation>字幕：</translation>
    </message>
    <message>
        <source>Download Part…</source>
        <translation>片段…</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Subtitles to put into the video</source>
        <translation>要嵌入视频的字幕</translation>
    </message>
    <message>
        <source>Part to download</source>
        <translation>要下载的片段</translation>
    </message>
    <message>
        <source>Download only a part of the video</source>
        <translation>仅下载视频的一个片段</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>%1 (automatic)</source>
        <translation>%1（自动生成）</translation>
    </message>
</context>
<context>
    <name>FormatPage</name>
    <message>
        <source>Back to the Address</source>
        <translation>返回地址</translation>
    </message>
    <message>
        <source>title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>This video offers no formats to download. Check the address, or try again later.</source>
        <translation>此视频没有可下载的格式。请检查地址，或稍后重试。</translation>
    </message>
    <message>
        <source>Reading the video&apos;s formats</source>
        <translation>正在读取视频的格式</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>仅音频</translation>
    </message>
    <message>
        <source>Save the sound alone</source>
        <translation>仅保存音频</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>Save the sound alone as MP3</source>
        <translation>仅将音频保存为 MP3</translation>
    </message>
    <message>
        <source>Audio as MP3</source>
        <translation>MP3 音频</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
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
        <translation>类型</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Video with audio, %1</source>
        <translation>带音频的视频，%1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>下载 %1</translation>
    </message>
    <message>
        <source>The size of the video stream; the audio adds to it</source>
        <translation>视频流的大小；音频另计</translation>
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
        <translation>无法获取 %1：%2</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>已有 %1 秒没有数据</translation>
    </message>
    <message>
        <source>not done within %1 s</source>
        <translation>%1 秒内未完成</translation>
    </message>
    <message>
        <source>only https is allowed</source>
        <translation>只允许 https</translation>
    </message>
    <message>
        <source>HTTP status %1 without a new address</source>
        <translation>HTTP 状态 %1，但没有新地址</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>重定向次数过多</translation>
    </message>
    <message>
        <source>refused the redirect to %1</source>
        <translation>已拒绝重定向到 %1</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>超过 %1 字节</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP 状态 %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>无法写入：%1</translation>
    </message>
    <message>
        <source>the body is compressed (%1), which was not asked for</source>
        <translation>内容被压缩（%1），但并未请求压缩</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>响应为空</translation>
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
        <translation>返回</translation>
    </message>
    <message>
        <source>Video Address</source>
        <translation>视频地址</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>WARNING: You must provide at least some valid YouTube URL to proceed</source>
        <translation>警告：请输入有效的 YouTube 地址以继续</translation>
    </message>
    <message>
        <source>Show the formats of the video at this address</source>
        <translation>显示此地址视频的格式</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>处理</translation>
    </message>
    <message>
        <source>Waiting for the release servers to send the current yt-dlp and Deno. On a slow connection this can take some minutes.</source>
        <translation>正在等待发布服务器发送最新的 yt-dlp 和 Deno。网络连接较慢时，这可能需要几分钟。</translation>
    </message>
    <message>
        <source>Paste a YouTube video address</source>
        <translation>粘贴 YouTube 视频地址</translation>
    </message>
    <message>
        <source>The address of the YouTube video to download, then press Enter</source>
        <translation>要下载的 YouTube 视频地址，然后按 Enter 键</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>忙碌中</translation>
    </message>
</context>
<context>
    <name>PartDialog</name>
    <message>
        <source>Type the start as m:ss or h:mm:ss, for example 1:05.</source>
        <translation>请按 m:ss 或 h:mm:ss 格式输入开始时间，例如 1:05。</translation>
    </message>
    <message>
        <source>Type the end as m:ss or h:mm:ss, for example 2:30.</source>
        <translation>请按 m:ss 或 h:mm:ss 格式输入结束时间，例如 2:30。</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>结束时间必须晚于开始时间。</translation>
    </message>
    <message>
        <source>The video is only %1 long.</source>
        <translation>该视频时长仅为 %1。</translation>
    </message>
    <message>
        <source>Download Part</source>
        <translation>下载片段</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>开始(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>结束(&amp;E)：</translation>
    </message>
    <message>
        <source>&amp;Whole Video</source>
        <translation>整个视频(&amp;W)</translation>
    </message>
    <message>
        <source>Which part of the video to download, as m:ss or h:mm:ss:</source>
        <translation>要下载的视频片段，格式为 m:ss 或 h:mm:ss：</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Merging video and audio…</source>
        <translation>正在合并视频和音频…</translation>
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
        <translation>剩余 %1</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>正在下载…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>正在下载。要停止下载并退出吗？</translation>
    </message>
</context>
<context>
    <name>SavedFile</name>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
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
        <translation>计算机标识</translation>
    </message>
    <message>
        <source>The identifier of this computer:

%1</source>
        <translation>此计算机的标识：

%1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
</context>
<context>
    <name>ThumbnailView</name>
    <message>
        <source>Thumbnail</source>
        <translation>缩略图</translation>
    </message>
</context>
<context>
    <name>ToolError</name>
    <message>
        <source>This video is private: only people its owner invited can watch it. Choose another video.</source>
        <translation>此视频为私享视频：只有所有者邀请的人才能观看。请选择其他视频。</translation>
    </message>
    <message>
        <source>This video is not available in your country.</source>
        <translation>此视频在您所在的国家/地区不可用。</translation>
    </message>
    <message>
        <source>This live stream or premiere has not started yet. Try again once it has begun.</source>
        <translation>此直播或首映尚未开始。请在开始后重试。</translation>
    </message>
    <message>
        <source>This video has been removed or is not available. Check the address.</source>
        <translation>此视频已被删除或不可用。请检查地址。</translation>
    </message>
    <message>
        <source>The site could not be reached. Check the internet connection and try again.</source>
        <translation>无法连接到该网站。请检查网络连接后重试。</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later.</source>
        <translation>该网站暂时拒绝了请求。请稍后重试。</translation>
    </message>
    <message>
        <source>This video is for the channel&apos;s paying members only. If you are one, sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>此视频仅供频道的付费会员观看。如果您是会员，请在浏览器中登录该网站，然后在菜单（右键单击窗口）的“Cookie 来源”中选择该浏览器。</translation>
    </message>
    <message>
        <source>This video has an age limit and is shown only to signed-in adults. Sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>此视频有年龄限制，仅向已登录的成年人显示。请在浏览器中登录该网站，然后在菜单（右键单击窗口）的“Cookie 来源”中选择该浏览器。</translation>
    </message>
    <message>
        <source>The site asks to sign in to confirm that you are not a bot. Choose a browser you are signed in with under “Use Cookies From” in the menu (right-click the window), or try again later.</source>
        <translation>该网站要求登录以确认您不是机器人。请在菜单（右键单击窗口）的“Cookie 来源”中选择一个已登录的浏览器，或稍后重试。</translation>
    </message>
    <message>
        <source>The browser&apos;s cookies could not be read: no profile of that browser was found. Start that browser once and sign in to the site, or choose another browser or “None” under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>无法读取浏览器的 Cookie：未找到该浏览器的配置文件。请启动该浏览器一次并登录该网站，或在菜单（右键单击窗口）的“Cookie 来源”中选择其他浏览器或“无”。</translation>
    </message>
    <message>
        <source>The site no longer offers the chosen format. Go back and choose another one.</source>
        <translation>该网站已不再提供所选格式。请返回并选择其他格式。</translation>
    </message>
    <message>
        <source>A part of the video could not be fetched from the site. Try again later.</source>
        <translation>无法从该网站获取视频的部分内容。请稍后重试。</translation>
    </message>
    <message>
        <source>The site has changed in a way this yt-dlp cannot follow yet. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>该网站已发生变化，此 yt-dlp 暂时还无法适应。请一两天后重试，或在菜单的“yt-dlp 更新渠道”中选择“Nightly”。</translation>
    </message>
    <message>
        <source>The site offered no format of this video that yt-dlp can read. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>该网站未提供此视频的任何 yt-dlp 可读取的格式。请一两天后重试，或在菜单的“yt-dlp 更新渠道”中选择“Nightly”。</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later, or choose cookies from a signed-in browser.</source>
        <translation>该网站暂时拒绝了请求。请稍后重试，或选择一个已登录浏览器的 Cookie。</translation>
    </message>
    <message>
        <source>yt-dlp&apos;s nightly build %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>已安装 yt-dlp 的 Nightly 版本 %1 并重试下载；网站仍然拒绝。</translation>
    </message>
    <message>
        <source>yt-dlp %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>已安装 yt-dlp %1 并重试下载；网站仍然拒绝。</translation>
    </message>
    <message>
        <source>Clipmoor found no newer yt-dlp than the one it has.</source>
        <translation>Clipmoor 未找到比现有版本更新的 yt-dlp。</translation>
    </message>
    <message>
        <source>Clipmoor asked the site for the video again; the site still refuses it.</source>
        <translation>Clipmoor 已再次向该网站请求该视频；网站仍然拒绝。</translation>
    </message>
    <message>
        <source>The site did not accept the sign-in of %1, whose cookies were used: it may have expired. Sign in to the site in %1 again, then try again.</source>
        <translation>该网站未接受 %1 中的登录（已使用其 Cookie）：登录可能已过期。请在 %1 中重新登录该网站，然后重试。</translation>
    </message>
    <message>
        <source>The site refused the stored link; asking again…</source>
        <translation>该网站拒绝了已保存的链接；正在重新请求…</translation>
    </message>
    <message>
        <source>Looking for a newer yt-dlp…</source>
        <translation>正在查找更新版本的 yt-dlp…</translation>
    </message>
    <message>
        <source>Updating yt-dlp to %1…</source>
        <translation>正在将 yt-dlp 更新到 %1…</translation>
    </message>
    <message>
        <source>Trying yt-dlp&apos;s nightly build…</source>
        <translation>正在尝试 yt-dlp 的 Nightly 版本…</translation>
    </message>
    <message>
        <source>The video&apos;s title and length could not be read</source>
        <translation>无法读取视频的标题和时长</translation>
    </message>
    <message>
        <source>Check the address and the internet connection, then try again.</source>
        <translation>请检查地址和网络连接，然后重试。</translation>
    </message>
    <message>
        <source>The video&apos;s length could not be read</source>
        <translation>无法读取视频的时长</translation>
    </message>
    <message>
        <source>Try again. If it happens again, update the downloader with “Manually Update Software” in the menu.</source>
        <translation>请重试。如果再次出现，请通过菜单中的“手动更新”更新下载工具。</translation>
    </message>
    <message>
        <source>The downloader stopped while reading the video&apos;s title</source>
        <translation>下载工具在读取视频标题时停止了</translation>
    </message>
    <message>
        <source>The downloader stopped while listing the formats</source>
        <translation>下载工具在列出格式时停止了</translation>
    </message>
    <message>
        <source>The downloader stopped during the download</source>
        <translation>下载工具在下载过程中停止了</translation>
    </message>
    <message>
        <source>Choose the format again to start the download anew.</source>
        <translation>请重新选择格式以重新开始下载。</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be read</source>
        <translation>无法读取视频的格式列表</translation>
    </message>
    <message>
        <source>The downloader could not be started</source>
        <translation>无法启动下载工具</translation>
    </message>
    <message>
        <source>Install the program again: its downloader is missing or cannot be run.</source>
        <translation>请重新安装本程序：其下载工具缺失或无法运行。</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>下载失败</translation>
    </message>
    <message>
        <source>Try again, or choose another format.</source>
        <translation>请重试，或选择其他格式。</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be fetched</source>
        <translation>无法获取视频的格式列表</translation>
    </message>
    <message>
        <source>Check the internet connection, then try again.</source>
        <translation>请检查网络连接，然后重试。</translation>
    </message>
    <message>
        <source>This video offers no formats to download</source>
        <translation>此视频没有可下载的格式</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>出现问题</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>请重试。</translation>
    </message>
    <message>
        <source>Check the address, or try again later.</source>
        <translation>请检查地址，或稍后重试。</translation>
    </message>
</context>
<context>
    <name>ToolUpdatePage</name>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Unable to update. Please contact support</source>
        <translation>无法更新。请联系技术支持</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Clipmoor was successfully updated</source>
        <translation>Clipmoor 已成功更新</translation>
    </message>
</context>
<context>
    <name>UpdateNOT</name>
    <message>
        <source>No Updates are Available
You Have the Current Version</source>
        <translation>没有可用的更新
您使用的是最新版本</translation>
    </message>
</context>
<context>
    <name>UpdateYES</name>
    <message>
        <source>An Update is Available
Click the button below to process the update</source>
        <translation>有可用的更新
请点击下方按钮进行更新</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>An Update is Available
Update %1 through your system&apos;s package manager</source>
        <translation>有可用的更新
请通过系统的软件包管理器更新 %1</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Network error</source>
        <translation>网络错误</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>下载失败</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>服务器错误</translation>
    </message>
    <message>
        <source>Server returned HTML instead of file</source>
        <translation>服务器返回了 HTML 而不是文件</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2</source>
        <translation>无法打开文件 %1 进行写入：%2</translation>
    </message>
    <message>
        <source>HTTP status: %1
%2</source>
        <translation>HTTP 状态：%1
%2</translation>
    </message>
    <message>
        <source>The downloaded installer %1 does not match its published SHA-256 checksum</source>
        <translation>下载的安装程序 %1 与其公布的 SHA-256 校验和不符</translation>
    </message>
    <message>
        <source>%1. 

URL: %2</source>
        <translation>%1。

地址：%2</translation>
    </message>
    <message>
        <source>The update server did not answer within %1 seconds</source>
        <translation>更新服务器未在 %1 秒内响应</translation>
    </message>
    <message>
        <source>The manifest is larger than %1 bytes</source>
        <translation>更新信息超过 %1 字节</translation>
    </message>
    <message>
        <source>JSON parse error</source>
        <translation>JSON 数据读取错误</translation>
    </message>
    <message>
        <source>JSON download error</source>
        <translation>JSON 数据下载错误</translation>
    </message>
    <message>
        <source>Installer error</source>
        <translation>安装程序错误</translation>
    </message>
    <message>
        <source>Output dir error</source>
        <translation>目标文件夹错误</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>文件错误</translation>
    </message>
    <message>
        <source>The installer address %1 is not an http or https address</source>
        <translation>安装程序地址 %1 不是 http 或 https 地址</translation>
    </message>
    <message>
        <source>Cannot create output directory: %1</source>
        <translation>无法创建目标文件夹：%1</translation>
    </message>
    <message>
        <source>The installer address %1 names no file to save</source>
        <translation>安装程序地址 %1 未指明要保存的文件</translation>
    </message>
    <message>
        <source>The installer %1 does not match its published SHA-256 checksum</source>
        <translation>安装程序 %1 与其公布的 SHA-256 校验和不符</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something is blocking this on your machine.

Please close this window and check for any antivirus/malware programs that might be running and temporarily disable them. Then try running the update again.</source>
        <translation>我们正在尝试下载并安装更新，但您计算机上的某些程序阻止了此操作。

请关闭此窗口，检查是否有正在运行的杀毒或反恶意软件程序，并暂时禁用它们。然后再次尝试更新。</translation>
    </message>
    <message>
        <source>UPD. ERROR: %1</source>
        <translation>更新错误：%1</translation>
    </message>
    <message>
        <source>Installer already downloaded</source>
        <translation>安装程序已下载</translation>
    </message>
    <message>
        <source>The installer file already exists:
%1

Do you want to run the existing installer, or download it again?</source>
        <translation>安装程序文件已存在：
%1

要运行现有的安装程序，还是重新下载？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Run Installer</source>
        <translation>运行安装程序</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>重新下载</translation>
    </message>
    <message>
        <source>The update has been downloaded</source>
        <translation>更新已下载</translation>
    </message>
    <message>
        <source>The update has been downloaded to your Downloads folder:
%1

The %2 will now close and the installer will guide you through the update process</source>
        <translation>更新已下载到您的“下载”文件夹：
%1

%2 现在将关闭，安装程序将引导您完成更新</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Launch Installer Myself</source>
        <translation>我自己启动安装程序</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>下载已取消</translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation>用户已取消下载。</translation>
    </message>
    <message>
        <source>%1 Updater</source>
        <translation>%1 更新程序</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something went wrong on the way.

Please close this window, check the internet connection and the free space in your Downloads folder, then try running the update again.</source>
        <translation>我们正在尝试下载并安装更新，但过程中出了问题。

请关闭此窗口，检查网络连接和“下载”文件夹中的可用空间，然后再次尝试更新。</translation>
    </message>
    <message>
        <source>We strongly suggest that you
temporarily disable your antivirus
program before proceeding with
the update</source>
        <translation>我们强烈建议您在
继续更新之前
暂时禁用杀毒软件</translation>
    </message>
    <message>
        <source>The program closes when the
update starts: let a running
download finish before
proceeding</source>
        <translation>更新开始时程序会关闭：
请等正在进行的下载
完成后再继续</translation>
    </message>
</context>
<context>
    <name>UpdaterHeader</name>
    <message>
        <source>(curr. version: %1)</source>
        <translation>（当前版本：%1）</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>A simple downloader for single YouTube videos.</source>
        <translation>一个逐个下载 YouTube 视频的简单程序。</translation>
    </message>
    <message>
        <source>Manually Update Software</source>
        <translation>手动更新</translation>
    </message>
    <message>
        <source>Logging enabled</source>
        <translation>已启用日志记录</translation>
    </message>
    <message>
        <source>Change Scale Size</source>
        <translation>更改缩放比例</translation>
    </message>
    <message>
        <source>Show UUID</source>
        <translation>显示 UUID</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 version: %2</source>
        <translation>%1 版本：%2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>update this app as some version</source>
        <translation>将此应用按指定版本更新</translation>
    </message>
    <message>
        <source>show UID</source>
        <translation>显示 UID</translation>
    </message>
</context>
</TS>
