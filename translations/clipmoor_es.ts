<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>, built %1</source>
        <translation>, compilada el %1</translation>
    </message>
    <message>
        <source>Machine identifier: %1</source>
        <translation>Identificador del equipo: %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Vídeo descargado</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Error en la descarga</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>DoNotShowWindowAgain</name>
    <message>
        <source>Do Not Show This Update Window Again for 2 Weeks</source>
        <translation>No volver a mostrar esta ventana durante 2 semanas</translation>
    </message>
</context>
<context>
    <name>DownloadChoices</name>
    <message>
        <source>Choose Download Folder…</source>
        <translation>Elegir carpeta de descargas…</translation>
    </message>
    <message>
        <source>Use Cookies From</source>
        <translation>Usar cookies de</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Choose Download Folder</source>
        <translation>Elegir carpeta de descargas</translation>
    </message>
    <message>
        <source>Prepare Copied Links</source>
        <translation>Preparar enlaces copiados</translation>
    </message>
    <message>
        <source>yt-dlp Channel</source>
        <translation>Canal de yt-dlp</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>Estable</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Nightly</source>
        <translation>Nightly</translation>
    </message>
    <message>
        <source>Embed Title, Chapters and Cover</source>
        <translation>Incrustar título, capítulos y portada</translation>
    </message>
</context>
<context>
    <name>DownloadPage</name>
    <message>
        <source>Back to the Formats</source>
        <translation>Volver a los formatos</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Descargando: </translation>
    </message>
    <message>
        <source>title</source>
        <translation>título</translation>
    </message>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Vídeo descargado</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Empezar de nuevo</translation>
    </message>
    <message>
        <source>Open Folder with File</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progreso de la descarga</translation>
    </message>
    <message>
        <source>Sound Successfully Saved</source>
        <translation>Sonido guardado</translation>
    </message>
</context>
<context>
    <name>EngineWarnings</name>
    <message>
        <source>WARNING</source>
        <translation>AVISO</translation>
    </message>
    <message>
        <source>The download folder %1 is gone or cannot be written. This download goes to %2.</source>
        <translation>La carpeta de descargas %1 ya no existe o no se puede escribir en ella. Esta descarga se guarda en %2.</translation>
    </message>
    <message>
        <source>The current yt-dlp is still being installed, so this video is asked of the yt-dlp installed on your system, which may be too old for the site. If it fails, try again in a few minutes.</source>
        <translation>La versión actual de yt-dlp aún se está instalando, así que este vídeo se solicita al yt-dlp instalado en su sistema, que puede ser demasiado antiguo para el sitio. Si falla, inténtelo de nuevo dentro de unos minutos.</translation>
    </message>
</context>
<context>
    <name>ErrorMessage</name>
    <message>
        <source>Code: #0x%1</source>
        <translation>Código: #0x%1</translation>
    </message>
    <message>
        <source>Try Again with %1 Cookies</source>
        <translation>Reintentar con las cookies de %1</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
</context>
<context>
    <name>FormatChoices</name>
    <message>
        <source>Subtitles:</source>
        <translation>Subtítulos:</translation>
    </message>
    <message>
        <source>Download Part…</source>
        <translation>Fragmento…</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Subtitles to put into the video</source>
        <translation>Subtítulos que incluir en el vídeo</translation>
    </message>
    <message>
        <source>Part to download</source>
        <translation>Fragmento que descargar</translation>
    </message>
    <message>
        <source>Download only a part of the video</source>
        <translation>Descargar solo un fragmento del vídeo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>%1 (automatic)</source>
        <translation>%1 (automáticos)</translation>
    </message>
</context>
<context>
    <name>FormatPage</name>
    <message>
        <source>Back to the Address</source>
        <translation>Volver a la dirección</translation>
    </message>
    <message>
        <source>title</source>
        <translation>título</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>This video offers no formats to download. Check the address, or try again later.</source>
        <translation>Este vídeo no ofrece formatos para descargar. Compruebe la dirección o inténtelo más tarde.</translation>
    </message>
    <message>
        <source>Reading the video&apos;s formats</source>
        <translation>Leyendo los formatos del vídeo</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Solo audio</translation>
    </message>
    <message>
        <source>Save the sound alone</source>
        <translation>Guardar solo el sonido</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>Save the sound alone as MP3</source>
        <translation>Guardar solo el sonido en MP3</translation>
    </message>
    <message>
        <source>Audio as MP3</source>
        <translation>Audio en MP3</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>| %1 sec.</source>
        <translation>| %1 s</translation>
    </message>
</context>
<context>
    <name>FormatTableModel</name>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Video with audio, %1</source>
        <translation>Vídeo con sonido, %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Descargar %1</translation>
    </message>
    <message>
        <source>The size of the video stream; the audio adds to it</source>
        <translation>El tamaño del flujo de vídeo; el sonido se suma aparte</translation>
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
        <translation>no se puede obtener %1: %2</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>sin datos desde hace %1 s</translation>
    </message>
    <message>
        <source>not done within %1 s</source>
        <translation>no terminado en %1 s</translation>
    </message>
    <message>
        <source>only https is allowed</source>
        <translation>solo se admite https</translation>
    </message>
    <message>
        <source>HTTP status %1 without a new address</source>
        <translation>estado HTTP %1 sin dirección nueva</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>demasiadas redirecciones</translation>
    </message>
    <message>
        <source>refused the redirect to %1</source>
        <translation>redirección a %1 rechazada</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>más de %1 bytes</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>estado HTTP %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>no se puede escribir: %1</translation>
    </message>
    <message>
        <source>the body is compressed (%1), which was not asked for</source>
        <translation>el contenido está comprimido (%1) sin haberlo pedido</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>la respuesta está vacía</translation>
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
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Video Address</source>
        <translation>Dirección del vídeo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVISO</translation>
    </message>
    <message>
        <source>WARNING: You must provide at least some valid YouTube URL to proceed</source>
        <translation>AVISO: indique una dirección de YouTube válida para continuar</translation>
    </message>
    <message>
        <source>Show the formats of the video at this address</source>
        <translation>Mostrar los formatos del vídeo de esta dirección</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Procesar</translation>
    </message>
    <message>
        <source>Waiting for the release servers to send the current yt-dlp and Deno. On a slow connection this can take some minutes.</source>
        <translation>Esperando a que los servidores de publicación envíen las versiones actuales de yt-dlp y Deno. Con una conexión lenta, esto puede tardar unos minutos.</translation>
    </message>
    <message>
        <source>Paste a YouTube video address</source>
        <translation>Pegue la dirección de un vídeo de YouTube</translation>
    </message>
    <message>
        <source>The address of the YouTube video to download, then press Enter</source>
        <translation>La dirección del vídeo de YouTube que descargar; después pulse Intro</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Ocupado</translation>
    </message>
</context>
<context>
    <name>PartDialog</name>
    <message>
        <source>Type the start as m:ss or h:mm:ss, for example 1:05.</source>
        <translation>Escriba el inicio como m:ss o h:mm:ss, por ejemplo 1:05.</translation>
    </message>
    <message>
        <source>Type the end as m:ss or h:mm:ss, for example 2:30.</source>
        <translation>Escriba el final como m:ss o h:mm:ss, por ejemplo 2:30.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>El final debe ser posterior al inicio.</translation>
    </message>
    <message>
        <source>The video is only %1 long.</source>
        <translation>El vídeo solo dura %1.</translation>
    </message>
    <message>
        <source>Download Part</source>
        <translation>Descargar un fragmento</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Inicio:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Final:</translation>
    </message>
    <message>
        <source>&amp;Whole Video</source>
        <translation>&amp;Vídeo completo</translation>
    </message>
    <message>
        <source>Which part of the video to download, as m:ss or h:mm:ss:</source>
        <translation>Fragmento del vídeo que descargar, como m:ss o h:mm:ss:</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Merging video and audio…</source>
        <translation>Uniendo vídeo y sonido…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Descargando…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Hay una descarga en curso. ¿Detenerla y salir?</translation>
    </message>
</context>
<context>
    <name>SavedFile</name>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
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
        <translation>Identificador del equipo</translation>
    </message>
    <message>
        <source>The identifier of this computer:

%1</source>
        <translation>El identificador de este equipo:

%1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>ThumbnailView</name>
    <message>
        <source>Thumbnail</source>
        <translation>Miniatura</translation>
    </message>
</context>
<context>
    <name>ToolError</name>
    <message>
        <source>This video is private: only people its owner invited can watch it. Choose another video.</source>
        <translation>Este vídeo es privado: solo pueden verlo las personas invitadas por su propietario. Elija otro vídeo.</translation>
    </message>
    <message>
        <source>This video is not available in your country.</source>
        <translation>Este vídeo no está disponible en su país.</translation>
    </message>
    <message>
        <source>This live stream or premiere has not started yet. Try again once it has begun.</source>
        <translation>Esta emisión en directo o estreno aún no ha empezado. Inténtelo de nuevo cuando haya comenzado.</translation>
    </message>
    <message>
        <source>This video has been removed or is not available. Check the address.</source>
        <translation>Este vídeo se ha eliminado o no está disponible. Compruebe la dirección.</translation>
    </message>
    <message>
        <source>The site could not be reached. Check the internet connection and try again.</source>
        <translation>No se pudo acceder al sitio. Compruebe la conexión a internet e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later.</source>
        <translation>El sitio ha rechazado la petición por ahora. Inténtelo más tarde.</translation>
    </message>
    <message>
        <source>This video is for the channel&apos;s paying members only. If you are one, sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Este vídeo es solo para miembros de pago del canal. Si lo es, inicie sesión en el sitio en su navegador y elija ese navegador en «Usar cookies de» en el menú (clic derecho en la ventana).</translation>
    </message>
    <message>
        <source>This video has an age limit and is shown only to signed-in adults. Sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Este vídeo tiene restricción de edad y solo se muestra a adultos que han iniciado sesión. Inicie sesión en el sitio en su navegador y elija ese navegador en «Usar cookies de» en el menú (clic derecho en la ventana).</translation>
    </message>
    <message>
        <source>The site asks to sign in to confirm that you are not a bot. Choose a browser you are signed in with under “Use Cookies From” in the menu (right-click the window), or try again later.</source>
        <translation>El sitio pide iniciar sesión para confirmar que no es un bot. Elija en «Usar cookies de» en el menú (clic derecho en la ventana) un navegador en el que haya iniciado sesión, o inténtelo más tarde.</translation>
    </message>
    <message>
        <source>The browser&apos;s cookies could not be read: no profile of that browser was found. Start that browser once and sign in to the site, or choose another browser or “None” under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>No se pudieron leer las cookies del navegador: no se encontró ningún perfil de ese navegador. Abra ese navegador una vez e inicie sesión en el sitio, o elija otro navegador o «Ninguno» en «Usar cookies de» en el menú (clic derecho en la ventana).</translation>
    </message>
    <message>
        <source>The site no longer offers the chosen format. Go back and choose another one.</source>
        <translation>El sitio ya no ofrece el formato elegido. Vuelva atrás y elija otro.</translation>
    </message>
    <message>
        <source>A part of the video could not be fetched from the site. Try again later.</source>
        <translation>No se pudo obtener del sitio una parte del vídeo. Inténtelo más tarde.</translation>
    </message>
    <message>
        <source>The site has changed in a way this yt-dlp cannot follow yet. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>El sitio ha cambiado de una forma que este yt-dlp aún no puede seguir. Inténtelo de nuevo dentro de uno o dos días, o elija «Nightly» en «Canal de yt-dlp» en el menú.</translation>
    </message>
    <message>
        <source>The site offered no format of this video that yt-dlp can read. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>El sitio no ofreció ningún formato de este vídeo que yt-dlp pueda leer. Inténtelo de nuevo dentro de uno o dos días, o elija «Nightly» en «Canal de yt-dlp» en el menú.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later, or choose cookies from a signed-in browser.</source>
        <translation>El sitio ha rechazado la petición por ahora. Inténtelo más tarde o elija las cookies de un navegador en el que haya iniciado sesión.</translation>
    </message>
    <message>
        <source>yt-dlp&apos;s nightly build %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>Se ha instalado la versión nightly %1 de yt-dlp y se ha vuelto a intentar la descarga; el sitio la sigue rechazando.</translation>
    </message>
    <message>
        <source>yt-dlp %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>Se ha instalado yt-dlp %1 y se ha vuelto a intentar la descarga; el sitio la sigue rechazando.</translation>
    </message>
    <message>
        <source>Clipmoor found no newer yt-dlp than the one it has.</source>
        <translation>Clipmoor no ha encontrado ningún yt-dlp más reciente que el que tiene.</translation>
    </message>
    <message>
        <source>Clipmoor asked the site for the video again; the site still refuses it.</source>
        <translation>Clipmoor ha vuelto a pedir el vídeo al sitio; el sitio lo sigue rechazando.</translation>
    </message>
    <message>
        <source>The site did not accept the sign-in of %1, whose cookies were used: it may have expired. Sign in to the site in %1 again, then try again.</source>
        <translation>El sitio no aceptó la sesión de %1, cuyas cookies se usaron: puede que haya caducado. Vuelva a iniciar sesión en el sitio en %1 y después inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The site refused the stored link; asking again…</source>
        <translation>El sitio ha rechazado el enlace guardado; volviendo a pedirlo…</translation>
    </message>
    <message>
        <source>Looking for a newer yt-dlp…</source>
        <translation>Buscando un yt-dlp más reciente…</translation>
    </message>
    <message>
        <source>Updating yt-dlp to %1…</source>
        <translation>Actualizando yt-dlp a %1…</translation>
    </message>
    <message>
        <source>Trying yt-dlp&apos;s nightly build…</source>
        <translation>Probando la versión nightly de yt-dlp…</translation>
    </message>
    <message>
        <source>The video&apos;s title and length could not be read</source>
        <translation>No se pudieron leer el título y la duración del vídeo</translation>
    </message>
    <message>
        <source>Check the address and the internet connection, then try again.</source>
        <translation>Compruebe la dirección y la conexión a internet e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The video&apos;s length could not be read</source>
        <translation>No se pudo leer la duración del vídeo</translation>
    </message>
    <message>
        <source>Try again. If it happens again, update the downloader with “Manually Update Software” in the menu.</source>
        <translation>Inténtelo de nuevo. Si vuelve a ocurrir, actualice la herramienta de descarga con «Actualizar manualmente» en el menú.</translation>
    </message>
    <message>
        <source>The downloader stopped while reading the video&apos;s title</source>
        <translation>La herramienta de descarga se detuvo al leer el título del vídeo</translation>
    </message>
    <message>
        <source>The downloader stopped while listing the formats</source>
        <translation>La herramienta de descarga se detuvo al enumerar los formatos</translation>
    </message>
    <message>
        <source>The downloader stopped during the download</source>
        <translation>La herramienta de descarga se detuvo durante la descarga</translation>
    </message>
    <message>
        <source>Choose the format again to start the download anew.</source>
        <translation>Vuelva a elegir el formato para empezar la descarga de nuevo.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be read</source>
        <translation>No se pudo leer la lista de formatos del vídeo</translation>
    </message>
    <message>
        <source>The downloader could not be started</source>
        <translation>No se pudo iniciar la herramienta de descarga</translation>
    </message>
    <message>
        <source>Install the program again: its downloader is missing or cannot be run.</source>
        <translation>Vuelva a instalar el programa: falta su herramienta de descarga o no se puede ejecutar.</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>La descarga ha fallado</translation>
    </message>
    <message>
        <source>Try again, or choose another format.</source>
        <translation>Inténtelo de nuevo o elija otro formato.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be fetched</source>
        <translation>No se pudo obtener la lista de formatos del vídeo</translation>
    </message>
    <message>
        <source>Check the internet connection, then try again.</source>
        <translation>Compruebe la conexión a internet e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>This video offers no formats to download</source>
        <translation>Este vídeo no ofrece formatos para descargar</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Algo ha salido mal</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Check the address, or try again later.</source>
        <translation>Compruebe la dirección o inténtelo más tarde.</translation>
    </message>
</context>
<context>
    <name>ToolUpdatePage</name>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Unable to update. Please contact support</source>
        <translation>No se puede actualizar. Póngase en contacto con el soporte técnico</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Clipmoor was successfully updated</source>
        <translation>Clipmoor se ha actualizado correctamente</translation>
    </message>
</context>
<context>
    <name>UpdateNOT</name>
    <message>
        <source>No Updates are Available
You Have the Current Version</source>
        <translation>No hay actualizaciones disponibles
Tiene la versión actual</translation>
    </message>
</context>
<context>
    <name>UpdateYES</name>
    <message>
        <source>An Update is Available
Click the button below to process the update</source>
        <translation>Hay una actualización disponible
Haga clic en el botón de abajo para instalarla</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>ACTUALIZAR</translation>
    </message>
    <message>
        <source>An Update is Available
Update %1 through your system&apos;s package manager</source>
        <translation>Hay una actualización disponible
Actualice %1 con el gestor de paquetes del sistema</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Network error</source>
        <translation>Error de red</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Error en la descarga</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Error del servidor</translation>
    </message>
    <message>
        <source>Server returned HTML instead of file</source>
        <translation>El servidor devolvió HTML en lugar del archivo</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2</source>
        <translation>No se puede abrir el archivo %1 para escribir: %2</translation>
    </message>
    <message>
        <source>HTTP status: %1
%2</source>
        <translation>Estado HTTP: %1
%2</translation>
    </message>
    <message>
        <source>The downloaded installer %1 does not match its published SHA-256 checksum</source>
        <translation>El instalador descargado %1 no coincide con su suma de comprobación SHA-256 publicada</translation>
    </message>
    <message>
        <source>%1. 

URL: %2</source>
        <translation>%1. 

Dirección: %2</translation>
    </message>
    <message>
        <source>The update server did not answer within %1 seconds</source>
        <translation>El servidor de actualizaciones no respondió en %1 segundos</translation>
    </message>
    <message>
        <source>The manifest is larger than %1 bytes</source>
        <translation>Los datos de la actualización ocupan más de %1 bytes</translation>
    </message>
    <message>
        <source>JSON parse error</source>
        <translation>Error al leer los datos JSON</translation>
    </message>
    <message>
        <source>JSON download error</source>
        <translation>Error al descargar los datos JSON</translation>
    </message>
    <message>
        <source>Installer error</source>
        <translation>Error del instalador</translation>
    </message>
    <message>
        <source>Output dir error</source>
        <translation>Error en la carpeta de destino</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Error de archivo</translation>
    </message>
    <message>
        <source>The installer address %1 is not an http or https address</source>
        <translation>La dirección del instalador %1 no es una dirección http ni https</translation>
    </message>
    <message>
        <source>Cannot create output directory: %1</source>
        <translation>No se puede crear la carpeta de destino: %1</translation>
    </message>
    <message>
        <source>The installer address %1 names no file to save</source>
        <translation>La dirección del instalador %1 no indica ningún archivo que guardar</translation>
    </message>
    <message>
        <source>The installer %1 does not match its published SHA-256 checksum</source>
        <translation>El instalador %1 no coincide con su suma de comprobación SHA-256 publicada</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something is blocking this on your machine.

Please close this window and check for any antivirus/malware programs that might be running and temporarily disable them. Then try running the update again.</source>
        <translation>Estamos intentando descargar e instalar la actualización, pero algo lo impide en su equipo.

Cierre esta ventana, compruebe si hay algún antivirus o programa contra malware en ejecución y desactívelo temporalmente. Después vuelva a intentar la actualización.</translation>
    </message>
    <message>
        <source>UPD. ERROR: %1</source>
        <translation>ERROR ACT.: %1</translation>
    </message>
    <message>
        <source>Installer already downloaded</source>
        <translation>Instalador ya descargado</translation>
    </message>
    <message>
        <source>The installer file already exists:
%1

Do you want to run the existing installer, or download it again?</source>
        <translation>El archivo del instalador ya existe:
%1

¿Quiere ejecutar el instalador existente o volver a descargarlo?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Run Installer</source>
        <translation>Ejecutar instalador</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Descargar de nuevo</translation>
    </message>
    <message>
        <source>The update has been downloaded</source>
        <translation>La actualización se ha descargado</translation>
    </message>
    <message>
        <source>The update has been downloaded to your Downloads folder:
%1

The %2 will now close and the installer will guide you through the update process</source>
        <translation>La actualización se ha descargado en su carpeta Descargas:
%1

%2 se cerrará ahora y el instalador le guiará durante la actualización</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Launch Installer Myself</source>
        <translation>Ejecutar el instalador yo mismo</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Descarga cancelada</translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation>El usuario ha cancelado la descarga.</translation>
    </message>
    <message>
        <source>%1 Updater</source>
        <translation>Actualización de %1</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something went wrong on the way.

Please close this window, check the internet connection and the free space in your Downloads folder, then try running the update again.</source>
        <translation>Estamos intentando descargar e instalar la actualización, pero algo ha fallado por el camino.

Cierre esta ventana, compruebe la conexión a internet y el espacio libre en su carpeta Descargas y vuelva a intentar la actualización.</translation>
    </message>
    <message>
        <source>We strongly suggest that you
temporarily disable your antivirus
program before proceeding with
the update</source>
        <translation>Le recomendamos encarecidamente
que desactive temporalmente su
antivirus antes de continuar
con la actualización</translation>
    </message>
    <message>
        <source>The program closes when the
update starts: let a running
download finish before
proceeding</source>
        <translation>El programa se cierra cuando
empieza la actualización: deje
que termine antes cualquier
descarga en curso</translation>
    </message>
</context>
<context>
    <name>UpdaterHeader</name>
    <message>
        <source>(curr. version: %1)</source>
        <translation>(versión actual: %1)</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>A simple downloader for single YouTube videos.</source>
        <translation>Un programa sencillo para descargar vídeos de YouTube de uno en uno.</translation>
    </message>
    <message>
        <source>Manually Update Software</source>
        <translation>Actualizar manualmente</translation>
    </message>
    <message>
        <source>Logging enabled</source>
        <translation>Registro activado</translation>
    </message>
    <message>
        <source>Change Scale Size</source>
        <translation>Cambiar escala</translation>
    </message>
    <message>
        <source>Show UUID</source>
        <translation>Mostrar UUID</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 version: %2</source>
        <translation>Versión de %1: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>update this app as some version</source>
        <translation>actualizar esta aplicación como una versión dada</translation>
    </message>
    <message>
        <source>show UID</source>
        <translation>mostrar UID</translation>
    </message>
</context>
</TS>
