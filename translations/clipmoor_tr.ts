<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>%1 hakkında</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>, built %1</source>
        <translation>, derleme tarihi %1</translation>
    </message>
    <message>
        <source>Machine identifier: %1</source>
        <translation>Bilgisayar kimliği: %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Video indirildi</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>İndirme başarısız</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Klasörü aç</translation>
    </message>
</context>
<context>
    <name>DoNotShowWindowAgain</name>
    <message>
        <source>Do Not Show This Update Window Again for 2 Weeks</source>
        <translation>Bu pencereyi 2 hafta boyunca gösterme</translation>
    </message>
</context>
<context>
    <name>DownloadChoices</name>
    <message>
        <source>Choose Download Folder…</source>
        <translation>İndirme klasörünü seç…</translation>
    </message>
    <message>
        <source>Use Cookies From</source>
        <translation>Çerezlerin kaynağı</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>Choose Download Folder</source>
        <translation>İndirme klasörünü seç</translation>
    </message>
    <message>
        <source>Prepare Copied Links</source>
        <translation>Kopyalanan bağlantıları hazırla</translation>
    </message>
    <message>
        <source>yt-dlp Channel</source>
        <translation>yt-dlp kanalı</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>Kararlı</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>Nightly</source>
        <translation>Nightly</translation>
    </message>
    <message>
        <source>Embed Title, Chapters and Cover</source>
        <translation>Başlığı, bölümleri ve kapağı göm</translation>
    </message>
</context>
<context>
    <name>DownloadPage</name>
    <message>
        <source>Back to the Formats</source>
        <translation>Biçimlere geri dön</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>İndiriliyor: </translation>
    </message>
    <message>
        <source>title</source>
        <translation>başlık</translation>
    </message>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Video indirildi</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Baştan başla</translation>
    </message>
    <message>
        <source>Open Folder with File</source>
        <translation>Klasörü aç</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>İndirme ilerlemesi</translation>
    </message>
    <message>
        <source>Sound Successfully Saved</source>
        <translation>Ses kaydedildi</translation>
    </message>
</context>
<context>
    <name>EngineWarnings</name>
    <message>
        <source>WARNING</source>
        <translation>UYARI</translation>
    </message>
    <message>
        <source>The download folder %1 is gone or cannot be written. This download goes to %2.</source>
        <translation>%1 indirme klasörü artık yok veya yazılamıyor. Bu indirme %2 klasörüne kaydedilecek.</translation>
    </message>
    <message>
        <source>The current yt-dlp is still being installed, so this video is asked of the yt-dlp installed on your system, which may be too old for the site. If it fails, try again in a few minutes.</source>
        <translation>Güncel yt-dlp hâlâ yükleniyor; bu nedenle bu video, sisteminizde yüklü olan ve site için fazla eski olabilecek yt-dlp ile isteniyor. Başarısız olursa birkaç dakika sonra yeniden deneyin.</translation>
    </message>
</context>
<context>
    <name>ErrorMessage</name>
    <message>
        <source>Code: #0x%1</source>
        <translation>Kod: #0x%1</translation>
    </message>
    <message>
        <source>Try Again with %1 Cookies</source>
        <translation>%1 çerezleriyle yeniden dene</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>HATA</translation>
    </message>
</context>
<context>
    <name>FormatChoices</name>
    <message>
        <source>Subtitles:</source>
        <translation>Altyazı:</translation>
    </message>
    <message>
        <source>Download Part…</source>
        <translation>Kesit…</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Altyazı</translation>
    </message>
    <message>
        <source>Subtitles to put into the video</source>
        <translation>Videoya eklenecek altyazı</translation>
    </message>
    <message>
        <source>Part to download</source>
        <translation>İndirilecek kesit</translation>
    </message>
    <message>
        <source>Download only a part of the video</source>
        <translation>Videonun yalnızca bir kesitini indir</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>%1 (automatic)</source>
        <translation>%1 (otomatik)</translation>
    </message>
</context>
<context>
    <name>FormatPage</name>
    <message>
        <source>Back to the Address</source>
        <translation>Adrese geri dön</translation>
    </message>
    <message>
        <source>title</source>
        <translation>başlık</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Biçimler</translation>
    </message>
    <message>
        <source>This video offers no formats to download. Check the address, or try again later.</source>
        <translation>Bu video indirilecek bir biçim sunmuyor. Adresi kontrol edin veya daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Reading the video&apos;s formats</source>
        <translation>Videonun biçimleri okunuyor</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Yalnızca ses</translation>
    </message>
    <message>
        <source>Save the sound alone</source>
        <translation>Yalnızca sesi kaydet</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>Save the sound alone as MP3</source>
        <translation>Yalnızca sesi MP3 olarak kaydet</translation>
    </message>
    <message>
        <source>Audio as MP3</source>
        <translation>MP3 olarak ses</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Başlık</translation>
    </message>
    <message>
        <source>| %1 sec.</source>
        <translation>| %1 sn</translation>
    </message>
</context>
<context>
    <name>FormatTableModel</name>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Çözünürlük</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Video with audio, %1</source>
        <translation>Sesli video, %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 indir</translation>
    </message>
    <message>
        <source>The size of the video stream; the audio adds to it</source>
        <translation>Video akışının boyutu; ses buna eklenir</translation>
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
        <translation>%1 alınamıyor: %2</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>%1 sn&apos;dir veri yok</translation>
    </message>
    <message>
        <source>not done within %1 s</source>
        <translation>%1 sn içinde bitmedi</translation>
    </message>
    <message>
        <source>only https is allowed</source>
        <translation>yalnızca https&apos;e izin verilir</translation>
    </message>
    <message>
        <source>HTTP status %1 without a new address</source>
        <translation>yeni adres içermeyen HTTP durumu %1</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>çok fazla yönlendirme</translation>
    </message>
    <message>
        <source>refused the redirect to %1</source>
        <translation>%1 adresine yönlendirme reddedildi</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>%1 bayttan büyük</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP durumu %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>yazılamıyor: %1</translation>
    </message>
    <message>
        <source>the body is compressed (%1), which was not asked for</source>
        <translation>içerik istenmediği hâlde sıkıştırılmış (%1)</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>yanıt boş</translation>
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
        <translation>Geri</translation>
    </message>
    <message>
        <source>Video Address</source>
        <translation>Video adresi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>UYARI</translation>
    </message>
    <message>
        <source>WARNING: You must provide at least some valid YouTube URL to proceed</source>
        <translation>UYARI: Devam etmek için geçerli bir YouTube adresi girin</translation>
    </message>
    <message>
        <source>Show the formats of the video at this address</source>
        <translation>Bu adresteki videonun biçimlerini göster</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>İşle</translation>
    </message>
    <message>
        <source>Waiting for the release servers to send the current yt-dlp and Deno. On a slow connection this can take some minutes.</source>
        <translation>Sürüm sunucularının güncel yt-dlp ve Deno&apos;yu göndermesi bekleniyor. Yavaş bir bağlantıda bu birkaç dakika sürebilir.</translation>
    </message>
    <message>
        <source>Paste a YouTube video address</source>
        <translation>Bir YouTube video adresi yapıştırın</translation>
    </message>
    <message>
        <source>The address of the YouTube video to download, then press Enter</source>
        <translation>İndirilecek YouTube videosunun adresi, ardından Enter tuşuna basın</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Meşgul</translation>
    </message>
</context>
<context>
    <name>PartDialog</name>
    <message>
        <source>Type the start as m:ss or h:mm:ss, for example 1:05.</source>
        <translation>Başlangıcı m:ss veya h:mm:ss biçiminde yazın, örneğin 1:05.</translation>
    </message>
    <message>
        <source>Type the end as m:ss or h:mm:ss, for example 2:30.</source>
        <translation>Bitişi m:ss veya h:mm:ss biçiminde yazın, örneğin 2:30.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Bitiş, başlangıçtan sonra olmalıdır.</translation>
    </message>
    <message>
        <source>The video is only %1 long.</source>
        <translation>Video yalnızca %1 uzunluğunda.</translation>
    </message>
    <message>
        <source>Download Part</source>
        <translation>Kesit indir</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Başlangıç:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>Bi&amp;tiş:</translation>
    </message>
    <message>
        <source>&amp;Whole Video</source>
        <translation>&amp;Tüm video</translation>
    </message>
    <message>
        <source>Which part of the video to download, as m:ss or h:mm:ss:</source>
        <translation>Videonun indirilecek kesiti, m:ss veya h:mm:ss biçiminde:</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Merging video and audio…</source>
        <translation>Video ve ses birleştiriliyor…</translation>
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
        <translation>%1 kaldı</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>İndiriliyor…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Bir indirme sürüyor. Durdurulup çıkılsın mı?</translation>
    </message>
</context>
<context>
    <name>SavedFile</name>
    <message>
        <source>Open File</source>
        <translation>Dosyayı aç</translation>
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
        <translation>Bilgisayar kimliği</translation>
    </message>
    <message>
        <source>The identifier of this computer:

%1</source>
        <translation>Bu bilgisayarın kimliği:

%1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
</context>
<context>
    <name>ThumbnailView</name>
    <message>
        <source>Thumbnail</source>
        <translation>Küçük resim</translation>
    </message>
</context>
<context>
    <name>ToolError</name>
    <message>
        <source>This video is private: only people its owner invited can watch it. Choose another video.</source>
        <translation>Bu video gizli: yalnızca sahibinin davet ettiği kişiler izleyebilir. Başka bir video seçin.</translation>
    </message>
    <message>
        <source>This video is not available in your country.</source>
        <translation>Bu video ülkenizde kullanılamıyor.</translation>
    </message>
    <message>
        <source>This live stream or premiere has not started yet. Try again once it has begun.</source>
        <translation>Bu canlı yayın veya ilk gösterim henüz başlamadı. Başladığında yeniden deneyin.</translation>
    </message>
    <message>
        <source>This video has been removed or is not available. Check the address.</source>
        <translation>Bu video kaldırılmış veya kullanılamıyor. Adresi kontrol edin.</translation>
    </message>
    <message>
        <source>The site could not be reached. Check the internet connection and try again.</source>
        <translation>Siteye ulaşılamadı. İnternet bağlantısını kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later.</source>
        <translation>Site isteği şimdilik geri çevirdi. Daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>This video is for the channel&apos;s paying members only. If you are one, sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Bu video yalnızca kanalın ücretli üyeleri içindir. Üyeyseniz tarayıcınızda siteye giriş yapın ve menüde (pencereye sağ tıklayın) “Çerezlerin kaynağı” altından o tarayıcıyı seçin.</translation>
    </message>
    <message>
        <source>This video has an age limit and is shown only to signed-in adults. Sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Bu videoda yaş sınırı var ve yalnızca giriş yapmış yetişkinlere gösteriliyor. Tarayıcınızda siteye giriş yapın ve menüde (pencereye sağ tıklayın) “Çerezlerin kaynağı” altından o tarayıcıyı seçin.</translation>
    </message>
    <message>
        <source>The site asks to sign in to confirm that you are not a bot. Choose a browser you are signed in with under “Use Cookies From” in the menu (right-click the window), or try again later.</source>
        <translation>Site, bot olmadığınızı doğrulamak için giriş yapmanızı istiyor. Menüde (pencereye sağ tıklayın) “Çerezlerin kaynağı” altından giriş yaptığınız bir tarayıcıyı seçin veya daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>The browser&apos;s cookies could not be read: no profile of that browser was found. Start that browser once and sign in to the site, or choose another browser or “None” under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Tarayıcının çerezleri okunamadı: o tarayıcıya ait bir profil bulunamadı. O tarayıcıyı bir kez başlatıp siteye giriş yapın ya da menüde (pencereye sağ tıklayın) “Çerezlerin kaynağı” altından başka bir tarayıcı veya “Yok” seçin.</translation>
    </message>
    <message>
        <source>The site no longer offers the chosen format. Go back and choose another one.</source>
        <translation>Site seçilen biçimi artık sunmuyor. Geri dönüp başka bir biçim seçin.</translation>
    </message>
    <message>
        <source>A part of the video could not be fetched from the site. Try again later.</source>
        <translation>Videonun bir bölümü siteden alınamadı. Daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>The site has changed in a way this yt-dlp cannot follow yet. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>Site, bu yt-dlp&apos;nin henüz izleyemediği bir şekilde değişti. Bir iki gün sonra yeniden deneyin veya menüde “yt-dlp kanalı” altından “Nightly” seçin.</translation>
    </message>
    <message>
        <source>The site offered no format of this video that yt-dlp can read. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>Site bu videonun yt-dlp&apos;nin okuyabileceği hiçbir biçimini sunmadı. Bir iki gün sonra yeniden deneyin veya menüde “yt-dlp kanalı” altından “Nightly” seçin.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later, or choose cookies from a signed-in browser.</source>
        <translation>Site isteği şimdilik geri çevirdi. Daha sonra yeniden deneyin veya giriş yaptığınız bir tarayıcının çerezlerini seçin.</translation>
    </message>
    <message>
        <source>yt-dlp&apos;s nightly build %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>yt-dlp&apos;nin nightly sürümü %1 yüklendi ve indirme yeniden denendi; site hâlâ reddediyor.</translation>
    </message>
    <message>
        <source>yt-dlp %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>yt-dlp %1 yüklendi ve indirme yeniden denendi; site hâlâ reddediyor.</translation>
    </message>
    <message>
        <source>Clipmoor found no newer yt-dlp than the one it has.</source>
        <translation>Clipmoor, elindekinden daha yeni bir yt-dlp bulamadı.</translation>
    </message>
    <message>
        <source>Clipmoor asked the site for the video again; the site still refuses it.</source>
        <translation>Clipmoor videoyu siteden yeniden istedi; site hâlâ reddediyor.</translation>
    </message>
    <message>
        <source>The site did not accept the sign-in of %1, whose cookies were used: it may have expired. Sign in to the site in %1 again, then try again.</source>
        <translation>Site, çerezleri kullanılan %1 tarayıcısındaki oturumu kabul etmedi: oturumun süresi dolmuş olabilir. %1 tarayıcısında siteye yeniden giriş yapın, ardından tekrar deneyin.</translation>
    </message>
    <message>
        <source>The site refused the stored link; asking again…</source>
        <translation>Site kayıtlı bağlantıyı reddetti; yeniden isteniyor…</translation>
    </message>
    <message>
        <source>Looking for a newer yt-dlp…</source>
        <translation>Daha yeni bir yt-dlp aranıyor…</translation>
    </message>
    <message>
        <source>Updating yt-dlp to %1…</source>
        <translation>yt-dlp %1 sürümüne güncelleniyor…</translation>
    </message>
    <message>
        <source>Trying yt-dlp&apos;s nightly build…</source>
        <translation>yt-dlp&apos;nin nightly sürümü deneniyor…</translation>
    </message>
    <message>
        <source>The video&apos;s title and length could not be read</source>
        <translation>Videonun başlığı ve süresi okunamadı</translation>
    </message>
    <message>
        <source>Check the address and the internet connection, then try again.</source>
        <translation>Adresi ve internet bağlantısını kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>The video&apos;s length could not be read</source>
        <translation>Videonun süresi okunamadı</translation>
    </message>
    <message>
        <source>Try again. If it happens again, update the downloader with “Manually Update Software” in the menu.</source>
        <translation>Yeniden deneyin. Tekrar olursa menüdeki “Elle güncelle” ile indirme aracını güncelleyin.</translation>
    </message>
    <message>
        <source>The downloader stopped while reading the video&apos;s title</source>
        <translation>İndirme aracı videonun başlığını okurken durdu</translation>
    </message>
    <message>
        <source>The downloader stopped while listing the formats</source>
        <translation>İndirme aracı biçimleri listelerken durdu</translation>
    </message>
    <message>
        <source>The downloader stopped during the download</source>
        <translation>İndirme aracı indirme sırasında durdu</translation>
    </message>
    <message>
        <source>Choose the format again to start the download anew.</source>
        <translation>İndirmeyi baştan başlatmak için biçimi yeniden seçin.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be read</source>
        <translation>Videonun biçim listesi okunamadı</translation>
    </message>
    <message>
        <source>The downloader could not be started</source>
        <translation>İndirme aracı başlatılamadı</translation>
    </message>
    <message>
        <source>Install the program again: its downloader is missing or cannot be run.</source>
        <translation>Programı yeniden yükleyin: indirme aracı eksik veya çalıştırılamıyor.</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>İndirme başarısız oldu</translation>
    </message>
    <message>
        <source>Try again, or choose another format.</source>
        <translation>Yeniden deneyin veya başka bir biçim seçin.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be fetched</source>
        <translation>Videonun biçim listesi alınamadı</translation>
    </message>
    <message>
        <source>Check the internet connection, then try again.</source>
        <translation>İnternet bağlantısını kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>This video offers no formats to download</source>
        <translation>Bu video indirilecek bir biçim sunmuyor</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Bir şeyler ters gitti</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Yeniden deneyin.</translation>
    </message>
    <message>
        <source>Check the address, or try again later.</source>
        <translation>Adresi kontrol edin veya daha sonra yeniden deneyin.</translation>
    </message>
</context>
<context>
    <name>ToolUpdatePage</name>
    <message>
        <source>ERROR</source>
        <translation>HATA</translation>
    </message>
    <message>
        <source>Unable to update. Please contact support</source>
        <translation>Güncellenemiyor. Lütfen destek ekibiyle iletişime geçin</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Başarılı</translation>
    </message>
    <message>
        <source>Clipmoor was successfully updated</source>
        <translation>Clipmoor başarıyla güncellendi</translation>
    </message>
</context>
<context>
    <name>UpdateNOT</name>
    <message>
        <source>No Updates are Available
You Have the Current Version</source>
        <translation>Güncelleme yok
Güncel sürümü kullanıyorsunuz</translation>
    </message>
</context>
<context>
    <name>UpdateYES</name>
    <message>
        <source>An Update is Available
Click the button below to process the update</source>
        <translation>Bir güncelleme var
Yüklemek için aşağıdaki düğmeye tıklayın</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>GÜNCELLE</translation>
    </message>
    <message>
        <source>An Update is Available
Update %1 through your system&apos;s package manager</source>
        <translation>Bir güncelleme var
%1 uygulamasını sistemin paket yöneticisiyle güncelleyin</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Network error</source>
        <translation>Ağ hatası</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>İndirme başarısız</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Sunucu hatası</translation>
    </message>
    <message>
        <source>Server returned HTML instead of file</source>
        <translation>Sunucu dosya yerine HTML döndürdü</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2</source>
        <translation>%1 dosyası yazmak için açılamıyor: %2</translation>
    </message>
    <message>
        <source>HTTP status: %1
%2</source>
        <translation>HTTP durumu: %1
%2</translation>
    </message>
    <message>
        <source>The downloaded installer %1 does not match its published SHA-256 checksum</source>
        <translation>İndirilen %1 yükleyicisi yayımlanan SHA-256 sağlama toplamıyla eşleşmiyor</translation>
    </message>
    <message>
        <source>%1. 

URL: %2</source>
        <translation>%1. 

Adres: %2</translation>
    </message>
    <message>
        <source>The update server did not answer within %1 seconds</source>
        <translation>Güncelleme sunucusu %1 saniye içinde yanıt vermedi</translation>
    </message>
    <message>
        <source>The manifest is larger than %1 bytes</source>
        <translation>Güncelleme bilgileri %1 bayttan büyük</translation>
    </message>
    <message>
        <source>JSON parse error</source>
        <translation>JSON verileri okunurken hata</translation>
    </message>
    <message>
        <source>JSON download error</source>
        <translation>JSON verileri indirilirken hata</translation>
    </message>
    <message>
        <source>Installer error</source>
        <translation>Yükleyici hatası</translation>
    </message>
    <message>
        <source>Output dir error</source>
        <translation>Hedef klasör hatası</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Dosya hatası</translation>
    </message>
    <message>
        <source>The installer address %1 is not an http or https address</source>
        <translation>%1 yükleyici adresi bir http veya https adresi değil</translation>
    </message>
    <message>
        <source>Cannot create output directory: %1</source>
        <translation>Hedef klasör oluşturulamıyor: %1</translation>
    </message>
    <message>
        <source>The installer address %1 names no file to save</source>
        <translation>%1 yükleyici adresi kaydedilecek bir dosya belirtmiyor</translation>
    </message>
    <message>
        <source>The installer %1 does not match its published SHA-256 checksum</source>
        <translation>%1 yükleyicisi yayımlanan SHA-256 sağlama toplamıyla eşleşmiyor</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something is blocking this on your machine.

Please close this window and check for any antivirus/malware programs that might be running and temporarily disable them. Then try running the update again.</source>
        <translation>Güncellemeyi indirip yüklemeye çalışıyoruz ancak bilgisayarınızdaki bir şey buna engel oluyor.

Lütfen bu pencereyi kapatın, çalışan bir virüsten koruma veya kötü amaçlı yazılımdan koruma programı olup olmadığını kontrol edin ve geçici olarak devre dışı bırakın. Ardından güncellemeyi yeniden deneyin.</translation>
    </message>
    <message>
        <source>UPD. ERROR: %1</source>
        <translation>GÜNC. HATASI: %1</translation>
    </message>
    <message>
        <source>Installer already downloaded</source>
        <translation>Yükleyici zaten indirilmiş</translation>
    </message>
    <message>
        <source>The installer file already exists:
%1

Do you want to run the existing installer, or download it again?</source>
        <translation>Yükleyici dosyası zaten var:
%1

Mevcut yükleyiciyi çalıştırmak mı yoksa yeniden indirmek mi istersiniz?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Run Installer</source>
        <translation>Yükleyiciyi çalıştır</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Yeniden indir</translation>
    </message>
    <message>
        <source>The update has been downloaded</source>
        <translation>Güncelleme indirildi</translation>
    </message>
    <message>
        <source>The update has been downloaded to your Downloads folder:
%1

The %2 will now close and the installer will guide you through the update process</source>
        <translation>Güncelleme İndirilenler klasörünüze indirildi:
%1

%2 şimdi kapanacak ve yükleyici güncelleme boyunca size yol gösterecek</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Launch Installer Myself</source>
        <translation>Yükleyiciyi kendim başlatacağım</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>İndirme iptal edildi</translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation>İndirme kullanıcı tarafından iptal edildi.</translation>
    </message>
    <message>
        <source>%1 Updater</source>
        <translation>%1 Güncelleyici</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something went wrong on the way.

Please close this window, check the internet connection and the free space in your Downloads folder, then try running the update again.</source>
        <translation>Güncellemeyi indirip yüklemeye çalışıyoruz ancak bu sırada bir sorun oluştu.

Lütfen bu pencereyi kapatın, internet bağlantısını ve İndirilenler klasörünüzdeki boş alanı kontrol edin, ardından güncellemeyi yeniden deneyin.</translation>
    </message>
    <message>
        <source>We strongly suggest that you
temporarily disable your antivirus
program before proceeding with
the update</source>
        <translation>Güncellemeye devam etmeden
önce virüsten koruma
programınızı geçici olarak
kapatmanızı önemle öneririz</translation>
    </message>
    <message>
        <source>The program closes when the
update starts: let a running
download finish before
proceeding</source>
        <translation>Güncelleme başladığında
program kapanır: devam
etmeden önce süren bir
indirmenin bitmesini bekleyin</translation>
    </message>
</context>
<context>
    <name>UpdaterHeader</name>
    <message>
        <source>(curr. version: %1)</source>
        <translation>(geçerli sürüm: %1)</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>A simple downloader for single YouTube videos.</source>
        <translation>Tek tek YouTube videoları indirmek için basit bir program.</translation>
    </message>
    <message>
        <source>Manually Update Software</source>
        <translation>Elle güncelle</translation>
    </message>
    <message>
        <source>Logging enabled</source>
        <translation>Günlük kaydı açık</translation>
    </message>
    <message>
        <source>Change Scale Size</source>
        <translation>Ölçeği değiştir</translation>
    </message>
    <message>
        <source>Show UUID</source>
        <translation>UUID&apos;yi göster</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%%1</translation>
    </message>
    <message>
        <source>%1 version: %2</source>
        <translation>%1 sürümü: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>update this app as some version</source>
        <translation>bu uygulamayı belirli bir sürüm olarak güncelle</translation>
    </message>
    <message>
        <source>show UID</source>
        <translation>UID&apos;yi göster</translation>
    </message>
</context>
</TS>
