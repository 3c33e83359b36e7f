<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>Про %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>, built %1</source>
        <translation>, збірка від %1</translation>
    </message>
    <message>
        <source>Machine identifier: %1</source>
        <translation>Ідентифікатор комп’ютера: %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Відео завантажено</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Не вдалося завантажити</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Відкрити теку</translation>
    </message>
</context>
<context>
    <name>DoNotShowWindowAgain</name>
    <message>
        <source>Do Not Show This Update Window Again for 2 Weeks</source>
        <translation>Не показувати це вікно 2 тижні</translation>
    </message>
</context>
<context>
    <name>DownloadChoices</name>
    <message>
        <source>Choose Download Folder…</source>
        <translation>Вибрати теку для завантажень…</translation>
    </message>
    <message>
        <source>Use Cookies From</source>
        <translation>Брати cookie з</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Немає</translation>
    </message>
    <message>
        <source>Choose Download Folder</source>
        <translation>Вибрати теку для завантажень</translation>
    </message>
    <message>
        <source>Prepare Copied Links</source>
        <translation>Готувати скопійовані посилання</translation>
    </message>
    <message>
        <source>yt-dlp Channel</source>
        <translation>Канал yt-dlp</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>Стабільний</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматичний</translation>
    </message>
    <message>
        <source>Nightly</source>
        <translation>Nightly</translation>
    </message>
    <message>
        <source>Embed Title, Chapters and Cover</source>
        <translation>Вбудовувати назву, розділи й обкладинку</translation>
    </message>
</context>
<context>
    <name>DownloadPage</name>
    <message>
        <source>Back to the Formats</source>
        <translation>Назад до форматів</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Завантаження: </translation>
    </message>
    <message>
        <source>title</source>
        <translation>назва</translation>
    </message>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Відео завантажено</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Почати знову</translation>
    </message>
    <message>
        <source>Open Folder with File</source>
        <translation>Відкрити теку</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Хід завантаження</translation>
    </message>
    <message>
        <source>Sound Successfully Saved</source>
        <translation>Звук збережено</translation>
    </message>
</context>
<context>
    <name>EngineWarnings</name>
    <message>
        <source>WARNING</source>
        <translation>ПОПЕРЕДЖЕННЯ</translation>
    </message>
    <message>
        <source>The download folder %1 is gone or cannot be written. This download goes to %2.</source>
        <translation>Теки для завантажень %1 більше немає або в неї не можна записувати. Це завантаження буде збережено в %2.</translation>
    </message>
    <message>
        <source>The current yt-dlp is still being installed, so this video is asked of the yt-dlp installed on your system, which may be too old for the site. If it fails, try again in a few minutes.</source>
        <translation>Актуальна версія yt-dlp ще встановлюється, тому це відео запитується через yt-dlp, встановлений у вашій системі, — він може бути надто старим для сайту. Якщо не вдасться, спробуйте знову за кілька хвилин.</translation>
    </message>
</context>
<context>
    <name>ErrorMessage</name>
    <message>
        <source>Code: #0x%1</source>
        <translation>Код: #0x%1</translation>
    </message>
    <message>
        <source>Try Again with %1 Cookies</source>
        <translation>Повторити з cookie з %1</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ПОМИЛКА</translation>
    </message>
</context>
<context>
    <name>FormatChoices</name>
    <message>
        <source>Subtitles:</source>
        <translation>Субтитри:</translation>
    </message>
    <message>
        <source>Download Part…</source>
        <translation>Фрагмент…</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Субтитри</translation>
    </message>
    <message>
        <source>Subtitles to put into the video</source>
        <translation>Субтитри для вбудовування у відео</translation>
    </message>
    <message>
        <source>Part to download</source>
        <translation>Фрагмент для завантаження</translation>
    </message>
    <message>
        <source>Download only a part of the video</source>
        <translation>Завантажити лише фрагмент відео</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Немає</translation>
    </message>
    <message>
        <source>%1 (automatic)</source>
        <translation>%1 (автоматичні)</translation>
    </message>
</context>
<context>
    <name>FormatPage</name>
    <message>
        <source>Back to the Address</source>
        <translation>Назад до адреси</translation>
    </message>
    <message>
        <source>title</source>
        <translation>назва</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Формати</translation>
    </message>
    <message>
        <source>This video offers no formats to download. Check the address, or try again later.</source>
        <translation>Для цього відео немає форматів для завантаження. Перевірте адресу або спробуйте пізніше.</translation>
    </message>
    <message>
        <source>Reading the video&apos;s formats</source>
        <translation>Читання форматів відео</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Лише звук</translation>
    </message>
    <message>
        <source>Save the sound alone</source>
        <translation>Зберегти лише звук</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>Save the sound alone as MP3</source>
        <translation>Зберегти лише звук у MP3</translation>
    </message>
    <message>
        <source>Audio as MP3</source>
        <translation>Звук у MP3</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>| %1 sec.</source>
        <translation>| %1 с</translation>
    </message>
</context>
<context>
    <name>FormatTableModel</name>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Роздільність</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Розмір</translation>
    </message>
    <message>
        <source>Video with audio, %1</source>
        <translation>Відео зі звуком, %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Завантажити %1</translation>
    </message>
    <message>
        <source>The size of the video stream; the audio adds to it</source>
        <translation>Розмір відеопотоку; до нього додається звук</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 кадр/с</translation>
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
        <translation>не вдається отримати %1: %2</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>немає даних уже %1 с</translation>
    </message>
    <message>
        <source>not done within %1 s</source>
        <translation>не завершено за %1 с</translation>
    </message>
    <message>
        <source>only https is allowed</source>
        <translation>дозволено лише https</translation>
    </message>
    <message>
        <source>HTTP status %1 without a new address</source>
        <translation>HTTP-статус %1 без нової адреси</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>забагато переспрямувань</translation>
    </message>
    <message>
        <source>refused the redirect to %1</source>
        <translation>переспрямування на %1 відхилено</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>більше ніж %1 байтів</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP-статус %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>не вдається записати: %1</translation>
    </message>
    <message>
        <source>the body is compressed (%1), which was not asked for</source>
        <translation>вміст стиснуто (%1), хоча цього не запитували</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>відповідь порожня</translation>
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
        <translation>Назад</translation>
    </message>
    <message>
        <source>Video Address</source>
        <translation>Адреса відео</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ПОПЕРЕДЖЕННЯ</translation>
    </message>
    <message>
        <source>WARNING: You must provide at least some valid YouTube URL to proceed</source>
        <translation>ПОПЕРЕДЖЕННЯ: щоб продовжити, введіть правильну адресу відео на YouTube</translation>
    </message>
    <message>
        <source>Show the formats of the video at this address</source>
        <translation>Показати формати відео за цією адресою</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Обробити</translation>
    </message>
    <message>
        <source>Waiting for the release servers to send the current yt-dlp and Deno. On a slow connection this can take some minutes.</source>
        <translation>Очікування, поки сервери випусків надішлють актуальні версії yt-dlp і Deno. За повільного підключення це може тривати кілька хвилин.</translation>
    </message>
    <message>
        <source>Paste a YouTube video address</source>
        <translation>Вставте адресу відео на YouTube</translation>
    </message>
    <message>
        <source>The address of the YouTube video to download, then press Enter</source>
        <translation>Адреса відео на YouTube для завантаження, потім натисніть Enter</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Зайнято</translation>
    </message>
</context>
<context>
    <name>PartDialog</name>
    <message>
        <source>Type the start as m:ss or h:mm:ss, for example 1:05.</source>
        <translation>Введіть початок у вигляді m:ss або h:mm:ss, наприклад 1:05.</translation>
    </message>
    <message>
        <source>Type the end as m:ss or h:mm:ss, for example 2:30.</source>
        <translation>Введіть кінець у вигляді m:ss або h:mm:ss, наприклад 2:30.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Кінець має бути пізніше за початок.</translation>
    </message>
    <message>
        <source>The video is only %1 long.</source>
        <translation>Відео триває лише %1.</translation>
    </message>
    <message>
        <source>Download Part</source>
        <translation>Завантажити фрагмент</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Початок</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Кінець</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Початок:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Кінець:</translation>
    </message>
    <message>
        <source>&amp;Whole Video</source>
        <translation>&amp;Усе відео</translation>
    </message>
    <message>
        <source>Which part of the video to download, as m:ss or h:mm:ss:</source>
        <translation>Який фрагмент відео завантажити, у вигляді m:ss або h:mm:ss:</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Merging video and audio…</source>
        <translation>Об’єднання відео та звуку…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 з %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>залишилося %1</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Завантаження…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Триває завантаження. Зупинити його й вийти?</translation>
    </message>
</context>
<context>
    <name>SavedFile</name>
    <message>
        <source>Open File</source>
        <translation>Відкрити файл</translation>
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
        <translation>Ідентифікатор комп’ютера</translation>
    </message>
    <message>
        <source>The identifier of this computer:

%1</source>
        <translation>Ідентифікатор цього комп’ютера:

%1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
</context>
<context>
    <name>ThumbnailView</name>
    <message>
        <source>Thumbnail</source>
        <translation>Мініатюра</translation>
    </message>
</context>
<context>
    <name>ToolError</name>
    <message>
        <source>This video is private: only people its owner invited can watch it. Choose another video.</source>
        <translation>Це відео приватне: дивитися його можуть лише ті, кого запросив власник. Виберіть інше відео.</translation>
    </message>
    <message>
        <source>This video is not available in your country.</source>
        <translation>Це відео недоступне у вашій країні.</translation>
    </message>
    <message>
        <source>This live stream or premiere has not started yet. Try again once it has begun.</source>
        <translation>Ця трансляція або прем’єра ще не почалася. Спробуйте знову, коли вона почнеться.</translation>
    </message>
    <message>
        <source>This video has been removed or is not available. Check the address.</source>
        <translation>Це відео видалено або воно недоступне. Перевірте адресу.</translation>
    </message>
    <message>
        <source>The site could not be reached. Check the internet connection and try again.</source>
        <translation>Не вдалося зв’язатися із сайтом. Перевірте підключення до інтернету й спробуйте знову.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later.</source>
        <translation>Сайт поки що відхиляє запит. Спробуйте пізніше.</translation>
    </message>
    <message>
        <source>This video is for the channel&apos;s paying members only. If you are one, sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Це відео доступне лише платним учасникам каналу. Якщо ви учасник, увійдіть на сайт у своєму браузері й виберіть цей браузер у пункті «Брати cookie з» у меню (клацніть правою кнопкою у вікні).</translation>
    </message>
    <message>
        <source>This video has an age limit and is shown only to signed-in adults. Sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Це відео має вікове обмеження й показується лише дорослим, які ввійшли в обліковий запис. Увійдіть на сайт у своєму браузері й виберіть цей браузер у пункті «Брати cookie з» у меню (клацніть правою кнопкою у вікні).</translation>
    </message>
    <message>
        <source>The site asks to sign in to confirm that you are not a bot. Choose a browser you are signed in with under “Use Cookies From” in the menu (right-click the window), or try again later.</source>
        <translation>Сайт просить увійти, щоб підтвердити, що ви не бот. Виберіть у пункті «Брати cookie з» у меню (клацніть правою кнопкою у вікні) браузер, у якому ви ввійшли, або спробуйте пізніше.</translation>
    </message>
    <message>
        <source>The browser&apos;s cookies could not be read: no profile of that browser was found. Start that browser once and sign in to the site, or choose another browser or “None” under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Не вдалося прочитати cookie браузера: профіль цього браузера не знайдено. Запустіть цей браузер один раз і ввійдіть на сайт або виберіть інший браузер чи «Немає» у пункті «Брати cookie з» у меню (клацніть правою кнопкою у вікні).</translation>
    </message>
    <message>
        <source>The site no longer offers the chosen format. Go back and choose another one.</source>
        <translation>Сайт більше не пропонує вибраний формат. Поверніться назад і виберіть інший.</translation>
    </message>
    <message>
        <source>A part of the video could not be fetched from the site. Try again later.</source>
        <translation>Не вдалося отримати із сайту частину відео. Спробуйте пізніше.</translation>
    </message>
    <message>
        <source>The site has changed in a way this yt-dlp cannot follow yet. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>Сайт змінився так, що цей yt-dlp поки не може з ним працювати. Спробуйте знову за день-два або виберіть «Nightly» у пункті «Канал yt-dlp» у меню.</translation>
    </message>
    <message>
        <source>The site offered no format of this video that yt-dlp can read. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>Сайт не запропонував жодного формату цього відео, який може прочитати yt-dlp. Спробуйте знову за день-два або виберіть «Nightly» у пункті «Канал yt-dlp» у меню.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later, or choose cookies from a signed-in browser.</source>
        <translation>Сайт поки що відхиляє запит. Спробуйте пізніше або виберіть cookie браузера, у якому ви ввійшли.</translation>
    </message>
    <message>
        <source>yt-dlp&apos;s nightly build %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>Встановлено nightly-збірку yt-dlp %1, завантаження повторено; сайт і далі його відхиляє.</translation>
    </message>
    <message>
        <source>yt-dlp %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>Встановлено yt-dlp %1, завантаження повторено; сайт і далі його відхиляє.</translation>
    </message>
    <message>
        <source>Clipmoor found no newer yt-dlp than the one it has.</source>
        <translation>Clipmoor не знайшов версії yt-dlp, новішої за ту, що в нього є.</translation>
    </message>
    <message>
        <source>Clipmoor asked the site for the video again; the site still refuses it.</source>
        <translation>Clipmoor повторно запросив відео із сайту; сайт і далі його відхиляє.</translation>
    </message>
    <message>
        <source>The site did not accept the sign-in of %1, whose cookies were used: it may have expired. Sign in to the site in %1 again, then try again.</source>
        <translation>Сайт не прийняв вхід в обліковий запис у %1, cookie якого використано: можливо, термін його дії минув. Знову ввійдіть на сайт у %1, а потім спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The site refused the stored link; asking again…</source>
        <translation>Сайт відхилив збережене посилання; повторний запит…</translation>
    </message>
    <message>
        <source>Looking for a newer yt-dlp…</source>
        <translation>Пошук новішої версії yt-dlp…</translation>
    </message>
    <message>
        <source>Updating yt-dlp to %1…</source>
        <translation>Оновлення yt-dlp до %1…</translation>
    </message>
    <message>
        <source>Trying yt-dlp&apos;s nightly build…</source>
        <translation>Спроба з nightly-збіркою yt-dlp…</translation>
    </message>
    <message>
        <source>The video&apos;s title and length could not be read</source>
        <translation>Не вдалося прочитати назву й тривалість відео</translation>
    </message>
    <message>
        <source>Check the address and the internet connection, then try again.</source>
        <translation>Перевірте адресу й підключення до інтернету та спробуйте знову.</translation>
    </message>
    <message>
        <source>The video&apos;s length could not be read</source>
        <translation>Не вдалося прочитати тривалість відео</translation>
    </message>
    <message>
        <source>Try again. If it happens again, update the downloader with “Manually Update Software” in the menu.</source>
        <translation>Спробуйте знову. Якщо це повториться, оновіть програму завантаження командою «Оновити вручну» в меню.</translation>
    </message>
    <message>
        <source>The downloader stopped while reading the video&apos;s title</source>
        <translation>Програма завантаження зупинилася під час читання назви відео</translation>
    </message>
    <message>
        <source>The downloader stopped while listing the formats</source>
        <translation>Програма завантаження зупинилася під час отримання списку форматів</translation>
    </message>
    <message>
        <source>The downloader stopped during the download</source>
        <translation>Програма завантаження зупинилася під час завантаження</translation>
    </message>
    <message>
        <source>Choose the format again to start the download anew.</source>
        <translation>Знову виберіть формат, щоб почати завантаження заново.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be read</source>
        <translation>Не вдалося прочитати список форматів відео</translation>
    </message>
    <message>
        <source>The downloader could not be started</source>
        <translation>Не вдалося запустити програму завантаження</translation>
    </message>
    <message>
        <source>Install the program again: its downloader is missing or cannot be run.</source>
        <translation>Встановіть програму знову: її програма завантаження відсутня або не запускається.</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>Не вдалося завантажити</translation>
    </message>
    <message>
        <source>Try again, or choose another format.</source>
        <translation>Спробуйте знову або виберіть інший формат.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be fetched</source>
        <translation>Не вдалося отримати список форматів відео</translation>
    </message>
    <message>
        <source>Check the internet connection, then try again.</source>
        <translation>Перевірте підключення до інтернету й спробуйте знову.</translation>
    </message>
    <message>
        <source>This video offers no formats to download</source>
        <translation>Для цього відео немає форматів для завантаження</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Щось пішло не так</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Спробуйте знову.</translation>
    </message>
    <message>
        <source>Check the address, or try again later.</source>
        <translation>Перевірте адресу або спробуйте пізніше.</translation>
    </message>
</context>
<context>
    <name>ToolUpdatePage</name>
    <message>
        <source>ERROR</source>
        <translation>ПОМИЛКА</translation>
    </message>
    <message>
        <source>Unable to update. Please contact support</source>
        <translation>Не вдається оновити. Зверніться до служби підтримки</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Clipmoor was successfully updated</source>
        <translation>Clipmoor оновлено</translation>
    </message>
</context>
<context>
    <name>UpdateNOT</name>
    <message>
        <source>No Updates are Available
You Have the Current Version</source>
        <translation>Оновлень немає
У вас найновіша версія</translation>
    </message>
</context>
<context>
    <name>UpdateYES</name>
    <message>
        <source>An Update is Available
Click the button below to process the update</source>
        <translation>Доступне оновлення
Натисніть кнопку нижче, щоб установити його</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>ОНОВИТИ</translation>
    </message>
    <message>
        <source>An Update is Available
Update %1 through your system&apos;s package manager</source>
        <translation>Доступне оновлення
Оновіть %1 через менеджер пакунків системи</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Network error</source>
        <translation>Помилка мережі</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Не вдалося завантажити</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Помилка сервера</translation>
    </message>
    <message>
        <source>Server returned HTML instead of file</source>
        <translation>Сервер повернув HTML замість файлу</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2</source>
        <translation>Не вдається відкрити файл %1 для запису: %2</translation>
    </message>
    <message>
        <source>HTTP status: %1
%2</source>
        <translation>HTTP-статус: %1
%2</translation>
    </message>
    <message>
        <source>The downloaded installer %1 does not match its published SHA-256 checksum</source>
        <translation>Завантажений інсталятор %1 не збігається з опублікованою контрольною сумою SHA-256</translation>
    </message>
    <message>
        <source>%1. 

URL: %2</source>
        <translation>%1. 

Адреса: %2</translation>
    </message>
    <message>
        <source>The update server did not answer within %1 seconds</source>
        <translation>Сервер оновлень не відповів за %1 с</translation>
    </message>
    <message>
        <source>The manifest is larger than %1 bytes</source>
        <translation>Відомості про оновлення більші ніж %1 байтів</translation>
    </message>
    <message>
        <source>JSON parse error</source>
        <translation>Помилка читання даних JSON</translation>
    </message>
    <message>
        <source>JSON download error</source>
        <translation>Помилка завантаження даних JSON</translation>
    </message>
    <message>
        <source>Installer error</source>
        <translation>Помилка інсталятора</translation>
    </message>
    <message>
        <source>Output dir error</source>
        <translation>Помилка теки призначення</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Помилка файлу</translation>
    </message>
    <message>
        <source>The installer address %1 is not an http or https address</source>
        <translation>Адреса інсталятора %1 не є адресою http або https</translation>
    </message>
    <message>
        <source>Cannot create output directory: %1</source>
        <translation>Не вдається створити теку призначення: %1</translation>
    </message>
    <message>
        <source>The installer address %1 names no file to save</source>
        <translation>В адресі інсталятора %1 не вказано файл для збереження</translation>
    </message>
    <message>
        <source>The installer %1 does not match its published SHA-256 checksum</source>
        <translation>Інсталятор %1 не збігається з опублікованою контрольною сумою SHA-256</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something is blocking this on your machine.

Please close this window and check for any antivirus/malware programs that might be running and temporarily disable them. Then try running the update again.</source>
        <translation>Ми намагаємося завантажити та встановити оновлення, але щось на вашому комп’ютері цьому заважає.

Закрийте це вікно, перевірте, чи не запущено антивірусні програми або засоби захисту від шкідливих програм, і тимчасово вимкніть їх. Потім спробуйте оновити знову.</translation>
    </message>
    <message>
        <source>UPD. ERROR: %1</source>
        <translation>ПОМИЛКА ОНОВЛ.: %1</translation>
    </message>
    <message>
        <source>Installer already downloaded</source>
        <translation>Інсталятор уже завантажено</translation>
    </message>
    <message>
        <source>The installer file already exists:
%1

Do you want to run the existing installer, or download it again?</source>
        <translation>Файл інсталятора вже існує:
%1

Запустити наявний інсталятор чи завантажити його знову?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Run Installer</source>
        <translation>Запустити інсталятор</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Завантажити знову</translation>
    </message>
    <message>
        <source>The update has been downloaded</source>
        <translation>Оновлення завантажено</translation>
    </message>
    <message>
        <source>The update has been downloaded to your Downloads folder:
%1

The %2 will now close and the installer will guide you through the update process</source>
        <translation>Оновлення завантажено до теки «Завантаження»:
%1

%2 зараз закриється, а інсталятор проведе вас через оновлення</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далі</translation>
    </message>
    <message>
        <source>Launch Installer Myself</source>
        <translation>Запущу інсталятор сам</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Завантаження скасовано</translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation>Завантаження скасував користувач.</translation>
    </message>
    <message>
        <source>%1 Updater</source>
        <translation>Оновлення %1</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something went wrong on the way.

Please close this window, check the internet connection and the free space in your Downloads folder, then try running the update again.</source>
        <translation>Ми намагаємося завантажити та встановити оновлення, але щось пішло не так.

Закрийте це вікно, перевірте підключення до інтернету й вільне місце в теці «Завантаження», а потім спробуйте оновити знову.</translation>
    </message>
    <message>
        <source>We strongly suggest that you
temporarily disable your antivirus
program before proceeding with
the update</source>
        <translation>Наполегливо радимо
тимчасово вимкнути
антивірус, перш ніж
продовжувати оновлення</translation>
    </message>
    <message>
        <source>The program closes when the
update starts: let a running
download finish before
proceeding</source>
        <translation>Програма закривається, коли
починається оновлення: дайте
спершу завершитися поточному
завантаженню</translation>
    </message>
</context>
<context>
    <name>UpdaterHeader</name>
    <message>
        <source>(curr. version: %1)</source>
        <translation>(поточна версія: %1)</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>A simple downloader for single YouTube videos.</source>
        <translation>Проста програма для завантаження окремих відео з YouTube.</translation>
    </message>
    <message>
        <source>Manually Update Software</source>
        <translation>Оновити вручну</translation>
    </message>
    <message>
        <source>Logging enabled</source>
        <translation>Журнал увімкнено</translation>
    </message>
    <message>
        <source>Change Scale Size</source>
        <translation>Змінити масштаб</translation>
    </message>
    <message>
        <source>Show UUID</source>
        <translation>Показати UUID</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 version: %2</source>
        <translation>Версія %1: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>update this app as some version</source>
        <translation>оновити цю програму як указану версію</translation>
    </message>
    <message>
        <source>show UID</source>
        <translation>показати UID</translation>
    </message>
</context>
</TS>
