<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>, built %1</source>
        <translation>, сборка от %1</translation>
    </message>
    <message>
        <source>Machine identifier: %1</source>
        <translation>Идентификатор компьютера: %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Видео скачано</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Не удалось скачать</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
</context>
<context>
    <name>DoNotShowWindowAgain</name>
    <message>
        <source>Do Not Show This Update Window Again for 2 Weeks</source>
        <translation>Не показывать это окно 2 недели</translation>
    </message>
</context>
<context>
    <name>DownloadChoices</name>
    <message>
        <source>Choose Download Folder…</source>
        <translation>Выбрать папку для скачивания…</translation>
    </message>
    <message>
        <source>Use Cookies From</source>
        <translation>Брать cookie из</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Choose Download Folder</source>
        <translation>Выбрать папку для скачивания</translation>
    </message>
    <message>
        <source>Prepare Copied Links</source>
        <translation>Подготавливать скопированные ссылки</translation>
    </message>
    <message>
        <source>yt-dlp Channel</source>
        <translation>Канал yt-dlp</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>Стабильный</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматический</translation>
    </message>
    <message>
        <source>Nightly</source>
        <translation>Nightly</translation>
    </message>
    <message>
        <source>Embed Title, Chapters and Cover</source>
        <translation>Встраивать название, главы и обложку</translation>
    </message>
</context>
<context>
    <name>DownloadPage</name>
    <message>
        <source>Back to the Formats</source>
        <translation>Назад к форматам</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Скачивание: </translation>
    </message>
    <message>
        <source>title</source>
        <translation>название</translation>
    </message>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Видео скачано</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Начать заново</translation>
    </message>
    <message>
        <source>Open Folder with File</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Ход скачивания</translation>
    </message>
    <message>
        <source>Sound Successfully Saved</source>
        <translation>Звук сохранён</translation>
    </message>
</context>
<context>
    <name>EngineWarnings</name>
    <message>
        <source>WARNING</source>
        <translation>ПРЕДУПРЕЖДЕНИЕ</translation>
    </message>
    <message>
        <source>The download folder %1 is gone or cannot be written. This download goes to %2.</source>
        <translation>Папки для скачивания %1 больше нет или в неё нельзя записывать. Это видео будет сохранено в %2.</translation>
    </message>
    <message>
        <source>The current yt-dlp is still being installed, so this video is asked of the yt-dlp installed on your system, which may be too old for the site. If it fails, try again in a few minutes.</source>
        <translation>Актуальная версия yt-dlp ещё устанавливается, поэтому это видео запрашивается через yt-dlp, установленный в вашей системе, — он может оказаться слишком старым для сайта. Если не получится, повторите попытку через несколько минут.</translation>
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
        <translation>Повторить с cookie из %1</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
</context>
<context>
    <name>FormatChoices</name>
    <message>
        <source>Subtitles:</source>
        <translation>Субтитры:</translation>
    </message>
    <message>
        <source>Download Part…</source>
        <translation>Фрагмент…</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Субтитры</translation>
    </message>
    <message>
        <source>Subtitles to put into the video</source>
        <translation>Субтитры для встраивания в видео</translation>
    </message>
    <message>
        <source>Part to download</source>
        <translation>Фрагмент для скачивания</translation>
    </message>
    <message>
        <source>Download only a part of the video</source>
        <translation>Скачать только фрагмент видео</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>%1 (automatic)</source>
        <translation>%1 (автоматические)</translation>
    </message>
</context>
<context>
    <name>FormatPage</name>
    <message>
        <source>Back to the Address</source>
        <translation>Назад к адресу</translation>
    </message>
    <message>
        <source>title</source>
        <translation>название</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Форматы</translation>
    </message>
    <message>
        <source>This video offers no formats to download. Check the address, or try again later.</source>
        <translation>Для этого видео нет форматов для скачивания. Проверьте адрес или повторите попытку позже.</translation>
    </message>
    <message>
        <source>Reading the video&apos;s formats</source>
        <translation>Чтение форматов видео</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Только звук</translation>
    </message>
    <message>
        <source>Save the sound alone</source>
        <translation>Сохранить только звук</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>Save the sound alone as MP3</source>
        <translation>Сохранить только звук в MP3</translation>
    </message>
    <message>
        <source>Audio as MP3</source>
        <translation>Звук в MP3</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
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
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Video with audio, %1</source>
        <translation>Видео со звуком, %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Скачать %1</translation>
    </message>
    <message>
        <source>The size of the video stream; the audio adds to it</source>
        <translation>Размер видеопотока; к нему добавляется звук</translation>
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
        <translation>не удаётся получить %1: %2</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>нет данных уже %1 с</translation>
    </message>
    <message>
        <source>not done within %1 s</source>
        <translation>не завершено за %1 с</translation>
    </message>
    <message>
        <source>only https is allowed</source>
        <translation>разрешён только https</translation>
    </message>
    <message>
        <source>HTTP status %1 without a new address</source>
        <translation>HTTP-статус %1 без нового адреса</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>слишком много перенаправлений</translation>
    </message>
    <message>
        <source>refused the redirect to %1</source>
        <translation>перенаправление на %1 отклонено</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>больше %1 байт</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP-статус %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>не удаётся записать: %1</translation>
    </message>
    <message>
        <source>the body is compressed (%1), which was not asked for</source>
        <translation>содержимое сжато (%1), хотя это не запрашивалось</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>ответ пуст</translation>
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
        <translation>Адрес видео</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ПРЕДУПРЕЖДЕНИЕ</translation>
    </message>
    <message>
        <source>WARNING: You must provide at least some valid YouTube URL to proceed</source>
        <translation>ПРЕДУПРЕЖДЕНИЕ: чтобы продолжить, введите правильный адрес видео на YouTube</translation>
    </message>
    <message>
        <source>Show the formats of the video at this address</source>
        <translation>Показать форматы видео по этому адресу</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Обработать</translation>
    </message>
    <message>
        <source>Waiting for the release servers to send the current yt-dlp and Deno. On a slow connection this can take some minutes.</source>
        <translation>Ожидание, пока серверы выпусков пришлют актуальные версии yt-dlp и Deno. При медленном подключении это может занять несколько минут.</translation>
    </message>
    <message>
        <source>Paste a YouTube video address</source>
        <translation>Вставьте адрес видео на YouTube</translation>
    </message>
    <message>
        <source>The address of the YouTube video to download, then press Enter</source>
        <translation>Адрес видео на YouTube для скачивания, затем нажмите Enter</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Занято</translation>
    </message>
</context>
<context>
    <name>PartDialog</name>
    <message>
        <source>Type the start as m:ss or h:mm:ss, for example 1:05.</source>
        <translation>Введите начало в виде m:ss или h:mm:ss, например 1:05.</translation>
    </message>
    <message>
        <source>Type the end as m:ss or h:mm:ss, for example 2:30.</source>
        <translation>Введите конец в виде m:ss или h:mm:ss, например 2:30.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Конец должен быть позже начала.</translation>
    </message>
    <message>
        <source>The video is only %1 long.</source>
        <translation>Видео длится всего %1.</translation>
    </message>
    <message>
        <source>Download Part</source>
        <translation>Скачать фрагмент</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Начало:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Конец:</translation>
    </message>
    <message>
        <source>&amp;Whole Video</source>
        <translation>&amp;Всё видео</translation>
    </message>
    <message>
        <source>Which part of the video to download, as m:ss or h:mm:ss:</source>
        <translation>Какой фрагмент видео скачать, в виде m:ss или h:mm:ss:</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Merging video and audio…</source>
        <translation>Объединение видео и звука…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>осталось %1</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Скачивание…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Идёт скачивание. Остановить его и выйти?</translation>
    </message>
</context>
<context>
    <name>SavedFile</name>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
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
        <translation>Идентификатор компьютера</translation>
    </message>
    <message>
        <source>The identifier of this computer:

%1</source>
        <translation>Идентификатор этого компьютера:

%1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
</context>
<context>
    <name>ThumbnailView</name>
    <message>
        <source>Thumbnail</source>
        <translation>Миниатюра</translation>
    </message>
</context>
<context>
    <name>ToolError</name>
    <message>
        <source>This video is private: only people its owner invited can watch it. Choose another video.</source>
        <translation>Это видео закрытое: смотреть его могут только те, кого пригласил владелец. Выберите другое видео.</translation>
    </message>
    <message>
        <source>This video is not available in your country.</source>
        <translation>Это видео недоступно в вашей стране.</translation>
    </message>
    <message>
        <source>This live stream or premiere has not started yet. Try again once it has begun.</source>
        <translation>Эта трансляция или премьера ещё не началась. Повторите попытку, когда она начнётся.</translation>
    </message>
    <message>
        <source>This video has been removed or is not available. Check the address.</source>
        <translation>Это видео удалено или недоступно. Проверьте адрес.</translation>
    </message>
    <message>
        <source>The site could not be reached. Check the internet connection and try again.</source>
        <translation>Не удалось связаться с сайтом. Проверьте подключение к интернету и повторите попытку.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later.</source>
        <translation>Сайт пока отклоняет запрос. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>This video is for the channel&apos;s paying members only. If you are one, sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Это видео доступно только платным подписчикам канала. Если вы подписчик, войдите на сайт в браузере и выберите этот браузер в пункте «Брать cookie из» в меню (щелчок правой кнопкой по окну).</translation>
    </message>
    <message>
        <source>This video has an age limit and is shown only to signed-in adults. Sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>У этого видео есть возрастное ограничение, и оно показывается только вошедшим в аккаунт взрослым. Войдите на сайт в браузере и выберите этот браузер в пункте «Брать cookie из» в меню (щелчок правой кнопкой по окну).</translation>
    </message>
    <message>
        <source>The site asks to sign in to confirm that you are not a bot. Choose a browser you are signed in with under “Use Cookies From” in the menu (right-click the window), or try again later.</source>
        <translation>Сайт просит войти в аккаунт, чтобы убедиться, что вы не бот. Выберите в пункте «Брать cookie из» в меню (щелчок правой кнопкой по окну) браузер, в котором вы вошли, или повторите попытку позже.</translation>
    </message>
    <message>
        <source>The browser&apos;s cookies could not be read: no profile of that browser was found. Start that browser once and sign in to the site, or choose another browser or “None” under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Не удалось прочитать cookie браузера: профиль этого браузера не найден. Запустите этот браузер один раз и войдите на сайт или выберите другой браузер либо «Нет» в пункте «Брать cookie из» в меню (щелчок правой кнопкой по окну).</translation>
    </message>
    <message>
        <source>The site no longer offers the chosen format. Go back and choose another one.</source>
        <translation>Сайт больше не предлагает выбранный формат. Вернитесь назад и выберите другой.</translation>
    </message>
    <message>
        <source>A part of the video could not be fetched from the site. Try again later.</source>
        <translation>Не удалось получить с сайта часть видео. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>The site has changed in a way this yt-dlp cannot follow yet. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>Сайт изменился так, что этот yt-dlp пока не может с ним работать. Повторите попытку через день-другой или выберите «Nightly» в пункте «Канал yt-dlp» в меню.</translation>
    </message>
    <message>
        <source>The site offered no format of this video that yt-dlp can read. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>Сайт не предложил ни одного формата этого видео, который может прочитать yt-dlp. Повторите попытку через день-другой или выберите «Nightly» в пункте «Канал yt-dlp» в меню.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later, or choose cookies from a signed-in browser.</source>
        <translation>Сайт пока отклоняет запрос. Повторите попытку позже или выберите cookie браузера, в котором вы вошли в аккаунт.</translation>
    </message>
    <message>
        <source>yt-dlp&apos;s nightly build %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>Установлена nightly-сборка yt-dlp %1, скачивание повторено; сайт по-прежнему его отклоняет.</translation>
    </message>
    <message>
        <source>yt-dlp %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>Установлен yt-dlp %1, скачивание повторено; сайт по-прежнему его отклоняет.</translation>
    </message>
    <message>
        <source>Clipmoor found no newer yt-dlp than the one it has.</source>
        <translation>Clipmoor не нашёл версии yt-dlp новее той, что у него есть.</translation>
    </message>
    <message>
        <source>Clipmoor asked the site for the video again; the site still refuses it.</source>
        <translation>Clipmoor повторно запросил видео у сайта; сайт по-прежнему его отклоняет.</translation>
    </message>
    <message>
        <source>The site did not accept the sign-in of %1, whose cookies were used: it may have expired. Sign in to the site in %1 again, then try again.</source>
        <translation>Сайт не принял вход в аккаунт в %1, cookie которого использовались: возможно, срок его действия истёк. Снова войдите на сайт в %1, затем повторите попытку.</translation>
    </message>
    <message>
        <source>The site refused the stored link; asking again…</source>
        <translation>Сайт отклонил сохранённую ссылку; повторный запрос…</translation>
    </message>
    <message>
        <source>Looking for a newer yt-dlp…</source>
        <translation>Поиск более новой версии yt-dlp…</translation>
    </message>
    <message>
        <source>Updating yt-dlp to %1…</source>
        <translation>Обновление yt-dlp до %1…</translation>
    </message>
    <message>
        <source>Trying yt-dlp&apos;s nightly build…</source>
        <translation>Попытка с nightly-сборкой yt-dlp…</translation>
    </message>
    <message>
        <source>The video&apos;s title and length could not be read</source>
        <translation>Не удалось прочитать название и длительность видео</translation>
    </message>
    <message>
        <source>Check the address and the internet connection, then try again.</source>
        <translation>Проверьте адрес и подключение к интернету и повторите попытку.</translation>
    </message>
    <message>
        <source>The video&apos;s length could not be read</source>
        <translation>Не удалось прочитать длительность видео</translation>
    </message>
    <message>
        <source>Try again. If it happens again, update the downloader with “Manually Update Software” in the menu.</source>
        <translation>Повторите попытку. Если это повторится, обновите программу скачивания командой «Обновить вручную» в меню.</translation>
    </message>
    <message>
        <source>The downloader stopped while reading the video&apos;s title</source>
        <translation>Программа скачивания остановилась при чтении названия видео</translation>
    </message>
    <message>
        <source>The downloader stopped while listing the formats</source>
        <translation>Программа скачивания остановилась при получении списка форматов</translation>
    </message>
    <message>
        <source>The downloader stopped during the download</source>
        <translation>Программа скачивания остановилась во время скачивания</translation>
    </message>
    <message>
        <source>Choose the format again to start the download anew.</source>
        <translation>Снова выберите формат, чтобы начать скачивание заново.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be read</source>
        <translation>Не удалось прочитать список форматов видео</translation>
    </message>
    <message>
        <source>The downloader could not be started</source>
        <translation>Не удалось запустить программу скачивания</translation>
    </message>
    <message>
        <source>Install the program again: its downloader is missing or cannot be run.</source>
        <translation>Установите программу заново: её программа скачивания отсутствует или не запускается.</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>Не удалось скачать</translation>
    </message>
    <message>
        <source>Try again, or choose another format.</source>
        <translation>Повторите попытку или выберите другой формат.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be fetched</source>
        <translation>Не удалось получить список форматов видео</translation>
    </message>
    <message>
        <source>Check the internet connection, then try again.</source>
        <translation>Проверьте подключение к интернету и повторите попытку.</translation>
    </message>
    <message>
        <source>This video offers no formats to download</source>
        <translation>Для этого видео нет форматов для скачивания</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Что-то пошло не так</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Повторите попытку.</translation>
    </message>
    <message>
        <source>Check the address, or try again later.</source>
        <translation>Проверьте адрес или повторите попытку позже.</translation>
    </message>
</context>
<context>
    <name>ToolUpdatePage</name>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>Unable to update. Please contact support</source>
        <translation>Не удаётся обновить. Обратитесь в службу поддержки</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Clipmoor was successfully updated</source>
        <translation>Clipmoor обновлён</translation>
    </message>
</context>
<context>
    <name>UpdateNOT</name>
    <message>
        <source>No Updates are Available
You Have the Current Version</source>
        <translation>Обновлений нет
У вас последняя версия</translation>
    </message>
</context>
<context>
    <name>UpdateYES</name>
    <message>
        <source>An Update is Available
Click the button below to process the update</source>
        <translation>Доступно обновление
Нажмите кнопку ниже, чтобы установить его</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>ОБНОВИТЬ</translation>
    </message>
    <message>
        <source>An Update is Available
Update %1 through your system&apos;s package manager</source>
        <translation>Доступно обновление
Обновите %1 через менеджер пакетов системы</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Network error</source>
        <translation>Ошибка сети</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Не удалось скачать</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Ошибка сервера</translation>
    </message>
    <message>
        <source>Server returned HTML instead of file</source>
        <translation>Сервер вернул HTML вместо файла</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2</source>
        <translation>Не удаётся открыть файл %1 для записи: %2</translation>
    </message>
    <message>
        <source>HTTP status: %1
%2</source>
        <translation>HTTP-статус: %1
%2</translation>
    </message>
    <message>
        <source>The downloaded installer %1 does not match its published SHA-256 checksum</source>
        <translation>Скачанный установщик %1 не совпадает с опубликованной контрольной суммой SHA-256</translation>
    </message>
    <message>
        <source>%1. 

URL: %2</source>
        <translation>%1. 

Адрес: %2</translation>
    </message>
    <message>
        <source>The update server did not answer within %1 seconds</source>
        <translation>Сервер обновлений не ответил за %1 с</translation>
    </message>
    <message>
        <source>The manifest is larger than %1 bytes</source>
        <translation>Сведения об обновлении больше %1 байт</translation>
    </message>
    <message>
        <source>JSON parse error</source>
        <translation>Ошибка чтения данных JSON</translation>
    </message>
    <message>
        <source>JSON download error</source>
        <translation>Ошибка скачивания данных JSON</translation>
    </message>
    <message>
        <source>Installer error</source>
        <translation>Ошибка установщика</translation>
    </message>
    <message>
        <source>Output dir error</source>
        <translation>Ошибка папки назначения</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Ошибка файла</translation>
    </message>
    <message>
        <source>The installer address %1 is not an http or https address</source>
        <translation>Адрес установщика %1 не является адресом http или https</translation>
    </message>
    <message>
        <source>Cannot create output directory: %1</source>
        <translation>Не удаётся создать папку назначения: %1</translation>
    </message>
    <message>
        <source>The installer address %1 names no file to save</source>
        <translation>В адресе установщика %1 не указан файл для сохранения</translation>
    </message>
    <message>
        <source>The installer %1 does not match its published SHA-256 checksum</source>
        <translation>Установщик %1 не совпадает с опубликованной контрольной суммой SHA-256</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something is blocking this on your machine.

Please close this window and check for any antivirus/malware programs that might be running and temporarily disable them. Then try running the update again.</source>
        <translation>Мы пытаемся скачать и установить обновление, но что-то на вашем компьютере этому мешает.

Закройте это окно, проверьте, не запущены ли антивирусные программы или средства защиты от вредоносных программ, и временно отключите их. Затем повторите обновление.</translation>
    </message>
    <message>
        <source>UPD. ERROR: %1</source>
        <translation>ОШИБКА ОБН.: %1</translation>
    </message>
    <message>
        <source>Installer already downloaded</source>
        <translation>Установщик уже скачан</translation>
    </message>
    <message>
        <source>The installer file already exists:
%1

Do you want to run the existing installer, or download it again?</source>
        <translation>Файл установщика уже существует:
%1

Запустить имеющийся установщик или скачать его заново?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Run Installer</source>
        <translation>Запустить установщик</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Скачать заново</translation>
    </message>
    <message>
        <source>The update has been downloaded</source>
        <translation>Обновление скачано</translation>
    </message>
    <message>
        <source>The update has been downloaded to your Downloads folder:
%1

The %2 will now close and the installer will guide you through the update process</source>
        <translation>Обновление скачано в папку «Загрузки»:
%1

%2 сейчас закроется, и установщик проведёт вас через обновление</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Launch Installer Myself</source>
        <translation>Запущу установщик сам</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Скачивание отменено</translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation>Скачивание отменено пользователем.</translation>
    </message>
    <message>
        <source>%1 Updater</source>
        <translation>Обновление %1</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something went wrong on the way.

Please close this window, check the internet connection and the free space in your Downloads folder, then try running the update again.</source>
        <translation>Мы пытаемся скачать и установить обновление, но что-то пошло не так.

Закройте это окно, проверьте подключение к интернету и свободное место в папке «Загрузки» и повторите обновление.</translation>
    </message>
    <message>
        <source>We strongly suggest that you
temporarily disable your antivirus
program before proceeding with
the update</source>
        <translation>Настоятельно рекомендуем
временно отключить антивирус
перед тем, как продолжить
обновление</translation>
    </message>
    <message>
        <source>The program closes when the
update starts: let a running
download finish before
proceeding</source>
        <translation>Программа закроется, когда
начнётся обновление: дайте
идущему скачиванию
завершиться</translation>
    </message>
</context>
<context>
    <name>UpdaterHeader</name>
    <message>
        <source>(curr. version: %1)</source>
        <translation>(текущая версия: %1)</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>A simple downloader for single YouTube videos.</source>
        <translation>Простая программа для скачивания отдельных видео с YouTube.</translation>
    </message>
    <message>
        <source>Manually Update Software</source>
        <translation>Обновить вручную</translation>
    </message>
    <message>
        <source>Logging enabled</source>
        <translation>Журнал включён</translation>
    </message>
    <message>
        <source>Change Scale Size</source>
        <translation>Изменить масштаб</translation>
    </message>
    <message>
        <source>Show UUID</source>
        <translation>Показать UUID</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 version: %2</source>
        <translation>Версия %1: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>update this app as some version</source>
        <translation>обновить это приложение как указанную версию</translation>
    </message>
    <message>
        <source>show UID</source>
        <translation>показать UID</translation>
    </message>
</context>
</TS>
