<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>LoginHours</name>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Denegar</translation>
    </message>
</context>
<context>
    <name>BugReport</name>
    <message>
        <source>Please enter your name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Please enter your email</source>
        <translation>Escribe tu correo electrónico</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: timeward [/q | /l | -h | --version]</source>
        <translation>Uso: timeward [/q | /l | -h | --version]</translation>
    </message>
    <message>
        <source>Without a switch TimeWard starts and shows its login window; when it runs already, the running copy shows its main window.</source>
        <translation>Sin opción, TimeWard se inicia y muestra su ventana de inicio de sesión; si ya se está ejecutando, la copia en marcha muestra su ventana principal.</translation>
    </message>
    <message>
        <source>Switches (the whole command line, in any letter case):</source>
        <translation>Opciones (toda la línea de órdenes, en mayúsculas o minúsculas):</translation>
    </message>
    <message>
        <source>ask the running TimeWard to end</source>
        <translation>pedir al TimeWard en marcha que termine</translation>
    </message>
    <message>
        <source>ask the running TimeWard to log the user out</source>
        <translation>pedir al TimeWard en marcha que cierre la sesión del usuario</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>mostrar esta ayuda y terminar</translation>
    </message>
    <message>
        <source>show the version and end</source>
        <translation>mostrar la versión y terminar</translation>
    </message>
    <message>
        <source>Environment:</source>
        <translation>Variables de entorno:</translation>
    </message>
    <message>
        <source>the data folder</source>
        <translation>la carpeta de datos</translation>
    </message>
    <message>
        <source>without TIMEWARD_HOME and a writable /var/lib/timeward, the data folder is XDG_DATA_HOME/timeward (~/.local/share/timeward)</source>
        <translation>sin TIMEWARD_HOME ni un /var/lib/timeward con permiso de escritura, la carpeta de datos es XDG_DATA_HOME/timeward (~/.local/share/timeward)</translation>
    </message>
    <message>
        <source>the language of the windows (English, German, French or Spanish)</source>
        <translation>el idioma de las ventanas (inglés, alemán, francés o español)</translation>
    </message>
    <message>
        <source>how dates and times are shown</source>
        <translation>cómo se muestran las fechas y las horas</translation>
    </message>
    <message>
        <source>the desktop the windows appear on</source>
        <translation>el escritorio en el que aparecen las ventanas</translation>
    </message>
    <message>
        <source>where the update check looks</source>
        <translation>la dirección del servidor de actualizaciones</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>Carpeta de datos: %1</translation>
    </message>
</context>
<context>
    <name>EndActions</name>
    <message>
        <source>Power off the computer</source>
        <translation>Apagar el ordenador</translation>
    </message>
    <message>
        <source>Log out of the desktop</source>
        <translation>Cerrar la sesión del escritorio</translation>
    </message>
    <message>
        <source>Restart the computer</source>
        <translation>Reiniciar el ordenador</translation>
    </message>
    <message>
        <source>Back to the TimeWard login</source>
        <translation>Volver al inicio de sesión de TimeWard</translation>
    </message>
</context>
<context>
    <name>ErrorPrompt</name>
    <message>
        <source>Do you want to mail the author on this bug first?  It would really help the debugging process.</source>
        <translation>¿Quieres informar antes al autor de este error?  Ayudaría mucho a corregirlo.</translation>
    </message>
    <message>
        <source>An error occurred!
	Error %1: %2
You may either Abort (exit), Retry or Ignore</source>
        <translation>¡Se ha producido un error!
	Error %1: %2
Puedes anular (salir), reintentar u omitir</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>TimeWard Help</source>
        <translation>Ayuda de TimeWard</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Adelante</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Cómo usar la ayuda</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Type the first letters of a word:</source>
        <translation>&amp;Escribe las primeras letras de una palabra:</translation>
    </message>
</context>
<context>
    <name>LoginMessages</name>
    <message>
        <source>Please select a user first</source>
        <translation>Elige primero un usuario</translation>
    </message>
    <message>
        <source>Please enter a password</source>
        <translation>Escribe una contraseña</translation>
    </message>
    <message>
        <source>%1 is not a user</source>
        <translation>%1 no es un usuario</translation>
    </message>
    <message>
        <source>Invalid Password!</source>
        <translation>¡Contraseña incorrecta!</translation>
    </message>
    <message>
        <source>Password already used!</source>
        <translation>¡Contraseña ya usada!</translation>
    </message>
    <message>
        <source>User has no time left!</source>
        <translation>¡Este usuario no tiene tiempo restante!</translation>
    </message>
    <message>
        <source>User cannot log in at this time!</source>
        <translation>¡Este usuario no puede iniciar sesión a esta hora!</translation>
    </message>
    <message>
        <source>%1 is not a parent</source>
        <translation>%1 no es madre ni padre</translation>
    </message>
    <message>
        <source>Logins are allowed again at %1.</source>
        <translation>Se podrá volver a iniciar sesión a las %1.</translation>
    </message>
    <message>
        <source>Logins are not allowed at any hour.</source>
        <translation>No se permite iniciar sesión a ninguna hora.</translation>
    </message>
    <message>
        <source>TimeWard cannot read its settings store right now, so nobody can log in. Please ask a parent.</source>
        <translation>TimeWard no puede leer sus ajustes en este momento, así que nadie puede iniciar sesión. Pide ayuda a un padre o una madre.</translation>
    </message>
</context>
<context>
    <name>ParentPageTab</name>
    <message>
        <source>Parents can see and give time from a phone or another computer at home, in its web browser. Only a parent&apos;s name and password open the page.</source>
        <translation>Los padres pueden ver y dar tiempo desde un móvil u otro ordenador de casa, en su navegador. Solo el nombre y la contraseña de un padre o una madre abren la página.</translation>
    </message>
    <message>
        <source>Serve the &amp;parent&apos;s page on the home network</source>
        <translation>Ofrecer la &amp;página de los padres en la red de casa</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;uerto:</translation>
    </message>
    <message>
        <source>On the phone</source>
        <translation>En el móvil</translation>
    </message>
    <message>
        <source>The page is off.</source>
        <translation>La página está desactivada.</translation>
    </message>
    <message>
        <source>The page could not be opened: %1</source>
        <translation>No se pudo abrir la página: %1</translation>
    </message>
    <message>
        <source>Type this address in the phone&apos;s browser:</source>
        <translation>Escribe esta dirección en el navegador del móvil:</translation>
    </message>
    <message>
        <source>The phone warns about the page&apos;s own certificate the first time. Its SHA-256 fingerprint:</source>
        <translation>La primera vez, el móvil avisa del certificado propio de la página. Su huella SHA-256:</translation>
    </message>
</context>
<context>
    <name>Periods</name>
    <message>
        <source>tomorrow</source>
        <translation>mañana</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>el %1</translation>
    </message>
    <message>
        <source>on the %1st</source>
        <translation>el día %1</translation>
    </message>
    <message>
        <source>on the %1nd</source>
        <translation>el día %1</translation>
    </message>
    <message>
        <source>on the %1rd</source>
        <translation>el día %1</translation>
    </message>
    <message>
        <source>on the %1th</source>
        <translation>el día %1</translation>
    </message>
    <message>
        <source>Your time is not renewed.</source>
        <translation>Tu tiempo no se renueva.</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Ilimitado</translation>
    </message>
    <message>
        <source>One Time</source>
        <translation>Una sola vez</translation>
    </message>
    <message>
        <source>Your time renews %1 at %2.</source>
        <translation>Tu tiempo se renueva %1 a las %2.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Too many wrong passwords. Please wait a minute.</source>
        <translation>Demasiadas contraseñas incorrectas. Espera un minuto.</translation>
    </message>
    <message>
        <source>Too many wrong passwords. Please wait %1 minutes.</source>
        <translation>Demasiadas contraseñas incorrectas. Espera %1 minutos.</translation>
    </message>
    <message>
        <source>The time of %1 could not be saved: %2. Nothing was changed.</source>
        <translation>No se pudo guardar el tiempo de %1: %2. No se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>QtCloseSignals</name>
    <message>
        <source>Saving the current user&apos;s time and lifting the restrictions</source>
        <translation>Guardando el tiempo del usuario actual y levantando las restricciones</translation>
    </message>
</context>
<context>
    <name>QtHttp</name>
    <message>
        <source>not a valid address: %1</source>
        <translation>dirección no válida: %1</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>sin respuesta en %1 segundos</translation>
    </message>
</context>
<context>
    <name>QtModules</name>
    <message>
        <source>%1 is not installed (looked for %2)</source>
        <translation>%1 no está instalado (buscado en %2)</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar impresora</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>TimeWard Log</source>
        <translation>Registro de TimeWard</translation>
    </message>
    <message>
        <source>TimeWard Time Usage</source>
        <translation>Uso del tiempo de TimeWard</translation>
    </message>
    <message>
        <source>TimeWard User Passwords</source>
        <translation>Contraseñas de usuario de TimeWard</translation>
    </message>
    <message>
        <source>TimeWard User Information</source>
        <translation>Información de usuarios de TimeWard</translation>
    </message>
    <message>
        <source>TimeWard Weekly Usage</source>
        <translation>Uso semanal de TimeWard</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>The report could not be printed.
%1</source>
        <translation>No se pudo imprimir el informe.
%1</translation>
    </message>
    <message>
        <source>Printed %1 at %2</source>
        <translation>Impreso el %1 a las %2</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>Name		Measured By	Time Allowed	Time Available</source>
        <translation>Nombre		Periodo	Tiempo permitido	Tiempo disponible</translation>
    </message>
    <message>
        <source>	User Number: </source>
        <translation>	Número de usuario: </translation>
    </message>
    <message>
        <source>	Parent Rights?: </source>
        <translation>	¿Derechos de padres?: </translation>
    </message>
    <message>
        <source>	Time Based On: </source>
        <translation>	Periodo: </translation>
    </message>
    <message>
        <source>	Time Per Period: </source>
        <translation>	Tiempo por periodo: </translation>
    </message>
    <message>
        <source>	Take Action?: </source>
        <translation>	¿Realizar acción?: </translation>
    </message>
    <message>
        <source>		Action:</source>
        <translation>		Acción:</translation>
    </message>
    <message>
        <source>	Display Message?: </source>
        <translation>	¿Mostrar mensaje?: </translation>
    </message>
    <message>
        <source>		Text:</source>
        <translation>		Texto:</translation>
    </message>
    <message>
        <source>	Play Sound?: </source>
        <translation>	¿Reproducir sonido?: </translation>
    </message>
    <message>
        <source>		Sound:</source>
        <translation>		Sonido:</translation>
    </message>
    <message>
        <source>	Free Time: </source>
        <translation>	Tiempo restante: </translation>
    </message>
    <message>
        <source>User:  </source>
        <translation>Usuario:  </translation>
    </message>
    <message>
        <source>Are you sure you wish to print the log?</source>
        <translation>¿Seguro que quieres imprimir el registro?</translation>
    </message>
    <message>
        <source>Are you sure you wish to print the time usage?</source>
        <translation>¿Seguro que quieres imprimir el uso del tiempo?</translation>
    </message>
    <message>
        <source>Are you sure you wish to print the user information?</source>
        <translation>¿Seguro que quieres imprimir la información de usuarios?</translation>
    </message>
    <message>
        <source>Are you sure you wish to print all?</source>
        <translation>¿Seguro que quieres imprimirlo todo?</translation>
    </message>
    <message>
        <source>Are you sure you wish to print all the passwords for this user?</source>
        <translation>¿Seguro que quieres imprimir todas las contraseñas de este usuario?</translation>
    </message>
    <message>
        <source>Time used on each of the last %1 days, in hours and minutes.</source>
        <translation>Tiempo usado en cada uno de los últimos %1 días, en horas y minutos.</translation>
    </message>
    <message>
        <source>Measured By: </source>
        <translation>Periodo: </translation>
    </message>
    <message>
        <source>Allowance A Day: </source>
        <translation>Tiempo permitido al día: </translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>Last 7 Days: %1, average %2 a day</source>
        <translation>Últimos 7 días: %1, de media %2 al día</translation>
    </message>
    <message>
        <source> (today)</source>
        <translation> (hoy)</translation>
    </message>
    <message>
        <source>Are you sure you wish to print the weekly usage?</source>
        <translation>¿Seguro que quieres imprimir el uso semanal?</translation>
    </message>
    <message>
        <source>	Time Restrictions?: </source>
        <translation>	¿Restricciones horarias?: </translation>
    </message>
    <message>
        <source>		From %1 till %2: %3</source>
        <translation>		De %1 a %2: %3</translation>
    </message>
    <message>
        <source>No printer is installed, so the report was saved as a PDF file:
%1</source>
        <translation>No hay ninguna impresora instalada, así que el informe se ha guardado como archivo PDF:
%1</translation>
    </message>
    <message>
        <source>No printer is installed, so the reports were saved as PDF files:
%1</source>
        <translation>No hay ninguna impresora instalada, así que los informes se han guardado como archivos PDF:
%1</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Mostrar en la &amp;carpeta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No program of the desktop could open %1.</source>
        <translation>Ningún programa del escritorio pudo abrir %1.</translation>
    </message>
</context>
<context>
    <name>Requests</name>
    <message>
        <source>the settings store refused the change</source>
        <translation>el almacén de ajustes rechazó el cambio</translation>
    </message>
    <message>
        <source>Nobody is logged in.</source>
        <translation>No hay nadie con la sesión iniciada.</translation>
    </message>
    <message>
        <source>A parent can give time in the main window.</source>
        <translation>Un padre o una madre puede dar tiempo en la ventana principal.</translation>
    </message>
    <message>
        <source>Your time is unlimited.</source>
        <translation>Tu tiempo es ilimitado.</translation>
    </message>
    <message>
        <source>Please choose 5, 15 or 30 minutes.</source>
        <translation>Elige 5, 15 o 30 minutos.</translation>
    </message>
    <message>
        <source>You have already asked for more time. Please wait for a parent&apos;s answer.</source>
        <translation>Ya has pedido más tiempo. Espera la respuesta de tus padres.</translation>
    </message>
    <message>
        <source>You have just asked. You can ask again in a minute.</source>
        <translation>Acabas de pedirlo. Podrás volver a pedirlo dentro de un minuto.</translation>
    </message>
    <message numerus="yes">
        <source>You have just asked. You can ask again in %n minute(s).</source>
        <translation>
            <numerusform>Acabas de pedirlo. Podrás volver a pedirlo dentro de %n minuto.</numerusform>
            <numerusform>Acabas de pedirlo. Podrás volver a pedirlo dentro de %n minutos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your request could not be saved, so no parent can see it. Please ask a parent in person.</source>
        <translation>No se pudo guardar tu petición, así que ningún padre puede verla. Pídeselo en persona.</translation>
    </message>
    <message>
        <source>That request does not exist.</source>
        <translation>Esa petición no existe.</translation>
    </message>
    <message>
        <source>That request has been answered or closed already.</source>
        <translation>Esa petición ya se ha respondido o cerrado.</translation>
    </message>
    <message>
        <source>Please give from 1 to %1 minutes.</source>
        <translation>Da entre 1 y %1 minutos.</translation>
    </message>
    <message>
        <source>User %1 no longer exists.</source>
        <translation>El usuario %1 ya no existe.</translation>
    </message>
    <message>
        <source>The answer could not be saved, and nothing was changed:</source>
        <translation>No se pudo guardar la respuesta y no se ha cambiado nada:</translation>
    </message>
    <message>
        <source>A parent</source>
        <translation>Tu padre o tu madre</translation>
    </message>
    <message numerus="yes">
        <source>%1 gave you %n minute(s).</source>
        <translation>
            <numerusform>%1 te ha dado %n minuto.</numerusform>
            <numerusform>%1 te ha dado %n minutos.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 said no.</source>
        <translation>%1 ha dicho que no.</translation>
    </message>
</context>
<context>
    <name>RequestsView</name>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Pedido</translation>
    </message>
    <message>
        <source>&amp;Approve…</source>
        <translation>&amp;Aprobar…</translation>
    </message>
    <message>
        <source>&amp;Deny</source>
        <translation>&amp;Denegar</translation>
    </message>
</context>
<context>
    <name>ScreenSaver</name>
    <message>
        <source>True</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>False</source>
        <translation>No</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>no disponible</translation>
    </message>
</context>
<context>
    <name>SessionClock</name>
    <message>
        <source>You have 3 minutes before you run out of time.  It is recommended to close down any applications you are currently running.</source>
        <translation>Te quedan 3 minutos.  Es recomendable cerrar ya los programas que tengas abiertos.</translation>
    </message>
    <message>
        <source>TimeWard cannot save the time left right now. The time is still counted, and it is saved as soon as the settings store accepts it.</source>
        <translation>TimeWard no puede guardar ahora el tiempo restante. El tiempo se sigue contando y se guardará en cuanto el almacén de ajustes lo acepte.</translation>
    </message>
    <message>
        <source>Ask for &amp;More Time…</source>
        <translation>Pedir &amp;más tiempo…</translation>
    </message>
</context>
<context>
    <name>StartupRegistration</name>
    <message>
        <source>On this computer both choices start TimeWard when this account&apos;s desktop starts (this account cannot write %1).</source>
        <translation>En este ordenador, las dos opciones inician TimeWard al arrancar el escritorio de esta cuenta (esta cuenta no puede escribir en %1).</translation>
    </message>
    <message>
        <source>Regular starts TimeWard with this account&apos;s desktop; As Service with every account&apos;s desktop. Starting before anyone logs in needs the login screen&apos;s own set-up (see the README).</source>
        <translation>«Normal» inicia TimeWard con el escritorio de esta cuenta; «Como servicio», con el de todas las cuentas. Para iniciarlo antes de que nadie inicie sesión hay que configurar la propia pantalla de inicio de sesión (consulta el README).</translation>
    </message>
</context>
<context>
    <name>TimeFields</name>
    <message>
        <source>Please enter a whole number of hours (0 to %1) in the Hours box.</source>
        <translation>Escribe un número entero de horas (0 a %1) en el cuadro Horas.</translation>
    </message>
    <message>
        <source>Please enter a whole number of minutes (0 to %1) in the Minutes box.</source>
        <translation>Escribe un número entero de minutos (0 a %1) en el cuadro Minutos.</translation>
    </message>
    <message>
        <source>Please enter a whole number of seconds (0 to %1) in the Seconds box.</source>
        <translation>Escribe un número entero de segundos (0 a %1) en el cuadro Segundos.</translation>
    </message>
</context>
<context>
    <name>TimeOut</name>
    <message>
        <source>You have run out of time.  However, you may choose to have an extra %1 minutes before you have to log off.  You will have this amount taken away from you at the start of the next time period.  Do you wish to have the extra minutes?</source>
        <translation>Se te ha acabado el tiempo.  Pero puedes tener %1 minutos más antes de cerrar la sesión.  Se te descontarán al principio del siguiente periodo.  ¿Quieres los minutos extra?</translation>
    </message>
    <message>
        <source>You have run out of time.  However, you may choose to have an extra %1 minutes before you have to log off.  There will be no penalty for doing this.  Do you wish to have the extra minutes?</source>
        <translation>Se te ha acabado el tiempo.  Pero puedes tener %1 minutos más antes de cerrar la sesión.  No se te descontarán.  ¿Quieres los minutos extra?</translation>
    </message>
</context>
<context>
    <name>TimeOutActions</name>
    <message>
        <source>Wav Files (*.wav);;All Files (*)</source>
        <translation>Archivos WAV (*.wav);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Executables (*.exe *.com *.bat);;All Files (*)</source>
        <translation>Programas (*.exe *.com *.bat);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open .Wav File</source>
        <translation>Abrir archivo WAV</translation>
    </message>
    <message>
        <source>Open Program</source>
        <translation>Abrir programa</translation>
    </message>
    <message>
        <source>Launch Program</source>
        <translation>Iniciar programa</translation>
    </message>
    <message>
        <source>Take Action</source>
        <translation>Realizar acción</translation>
    </message>
    <message>
        <source>Display Message</source>
        <translation>Mostrar mensaje</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Reproducir sonido</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>The update server answered with an error (HTTP %1%2).  Please try again later.</source>
        <translation>El servidor de actualizaciones respondió con un error (HTTP %1%2).  Vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Could not reach the update server (%1).  Please check your internet connection and try again.</source>
        <translation>No se pudo contactar con el servidor de actualizaciones (%1).  Comprueba tu conexión a internet y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>The update server sent no version number.  Please try again later.</source>
        <translation>El servidor de actualizaciones no envió ningún número de versión.  Vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>You have the current version.</source>
        <translation>Tienes la versión actual.</translation>
    </message>
    <message>
        <source>A newer version is out (%1).  If you wish to download the update (recommended), please copy the box below and paste it in your favorite browser.</source>
        <translation>Hay una versión más reciente (%1).  Si quieres descargar la actualización (recomendado), copia la dirección de abajo y pégala en tu navegador.</translation>
    </message>
    <message>
        <source>No update server is set, so TimeWard cannot look for a new version.  To use one, start TimeWard with the environment variable TIMEWARD_UPDATE_URL set to the server&apos;s address (for example in the Exec line of its autostart entry); the README says more.</source>
        <translation>No hay ningún servidor de actualizaciones configurado, así que TimeWard no puede buscar una versión nueva.  Para usar uno, inicie TimeWard con la variable de entorno TIMEWARD_UPDATE_URL puesta a la dirección del servidor (por ejemplo, en la línea Exec de su entrada de inicio automático); el README da más detalles.</translation>
    </message>
</context>
<context>
    <name>UsageView</name>
    <message>
        <source>No users.</source>
        <translation>No hay usuarios.</translation>
    </message>
    <message>
        <source>Time used, last %1 days to %2</source>
        <translation>Tiempo usado, últimos %1 días hasta el %2</translation>
    </message>
    <message>
        <source>— allowance a day</source>
        <translation>— tiempo permitido al día</translation>
    </message>
    <message>
        <source>%1
7 days: %2
Average: %3 a day</source>
        <translation>%1
7 días: %2
Media: %3 al día</translation>
    </message>
</context>
<context>
    <name>UserTable</name>
    <message>
        <source>At least one user must have parent rights.  And currently none are.  Therefore, this user has to have parent rights.</source>
        <translation>Al menos un usuario debe tener derechos de padres y ahora mismo ninguno los tiene.  Por eso este usuario debe tenerlos.</translation>
    </message>
    <message>
        <source>%1 is the only user with parent rights, so this user has to keep them.  Give another user parent rights first.</source>
        <translation>%1 es el único usuario con derechos de padres, así que debe conservarlos.  Da primero derechos de padres a otro usuario.</translation>
    </message>
    <message>
        <source>%1 is the only user with parent rights and cannot be deleted.  Give another user parent rights first.</source>
        <translation>%1 es el único usuario con derechos de padres y no se puede eliminar.  Da primero derechos de padres a otro usuario.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About TimeWard</source>
        <translation>Acerca de TimeWard</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Decides who may use this computer, when, and for how long.</source>
        <translation>Decide quién puede usar este ordenador, cuándo y durante cuánto tiempo.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>frmAddNewUserWizard</name>
    <message>
        <source>Add New User Wizard</source>
        <translation>Asistente para nuevos usuarios</translation>
    </message>
    <message>
        <source>Welcome to the Add New User Wizard.

This wizard is a simpler and faster way of adding a user than the Classic way.  It offers fewer options: you give the user a name, a password, a time period with its allowance, and say what happens when the time runs out.  Everything else can be edited later in the User Stats.

Click Next to begin, or Classic Mode to use the full user editor.</source>
        <translation>Bienvenido al asistente para nuevos usuarios.

Este asistente es una forma más sencilla y rápida de añadir un usuario que la clásica.  Ofrece menos opciones: le das al usuario un nombre, una contraseña y un periodo con su tiempo, y decides qué pasa cuando se acaba el tiempo.  Todo lo demás se puede cambiar después en «Estadísticas del usuario».

Pulsa Siguiente para empezar, o Modo clásico para usar el editor completo.</translation>
    </message>
    <message>
        <source>Welcome to the Add New User Wizard.

TimeWard needs one user to begin with: a parent user.  A parent user can change TimeWard&apos;s options and can add, edit and delete the other users.  You will log in with this user to set everything else up.

The steps are:
1.)  Get user name
2.)  Set up a password
3.)  Set up optional time restrictions and login options

Click Next to begin.</source>
        <translation>Bienvenido al asistente para nuevos usuarios.

TimeWard necesita un primer usuario: un padre o una madre.  Un usuario con derechos de padres puede cambiar las opciones de TimeWard y añadir, editar y eliminar a los demás usuarios.  Iniciarás sesión con este usuario para configurar todo lo demás.

Los pasos son:
1.)  Nombre de usuario
2.)  Contraseña
3.)  Restricciones horarias y opciones de inicio de sesión (opcional)

Pulsa Siguiente para empezar.</translation>
    </message>
    <message>
        <source>Now you will need to enter a name and password for your user.  The name can be any name, nickname, handle or whatever you choose, as long as it&apos;s not already taken.</source>
        <translation>Ahora escribe un nombre y una contraseña para el usuario.  El nombre puede ser un nombre, un apodo o lo que quieras, siempre que no esté ya en uso.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Contraseña</translation>
    </message>
    <message>
        <source>&amp;Re-enter</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <source>User has Parent Rights</source>
        <translation>El usuario tiene derechos de padres</translation>
    </message>
    <message>
        <source>Parent Rights denotes the user has access to the options and access to the user database.</source>
        <translation>Los derechos de padres dan acceso a las opciones y a la lista de usuarios.</translation>
    </message>
    <message>
        <source>User can change password</source>
        <translation>El usuario puede cambiar la contraseña</translation>
    </message>
    <message>
        <source>You may either select Daily, Weekly, Monthly or Unlimited for the timing period the user has. </source>
        <translation>Como periodo del usuario puedes elegir Diario, Semanal, Mensual o Ilimitado. </translation>
    </message>
    <message>
        <source>&amp;Based On:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>&amp;Hours:</source>
        <translation>&amp;Horas:</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minutos:</translation>
    </message>
    <message>
        <source>&amp;Seconds:</source>
        <translation>&amp;Segundos:</translation>
    </message>
    <message>
        <source>Below you can select what happens when the user runs out of time.</source>
        <translation>Aquí puedes elegir qué pasa cuando al usuario se le acaba el tiempo.</translation>
    </message>
    <message>
        <source>Congratulations!  You have set up the new user.

The user has been given the basic settings.  For the advanced options (password lists, login options, time restrictions and more) choose Users | User Stats in the main window.

Select Finished now.</source>
        <translation>¡Enhorabuena!  Has creado el nuevo usuario.

El usuario tiene los ajustes básicos.  Para las opciones avanzadas (listas de contraseñas, opciones de inicio de sesión, restricciones horarias y más) elige Usuarios | Estadísticas del usuario en la ventana principal.

Ahora elige Terminado.</translation>
    </message>
    <message>
        <source>Congratulations on setting up your new user!

The first user&apos;s settings were set to defaults: parent rights and unlimited time.  Now log in with that user and set up the other users, and check the Preferences to make TimeWard work the way you want.

Click Close to continue.</source>
        <translation>¡Enhorabuena, has creado tu nuevo usuario!

El primer usuario tiene los ajustes predeterminados: derechos de padres y tiempo ilimitado.  Ahora inicia sesión con ese usuario, crea los demás usuarios y revisa las Preferencias para que TimeWard funcione como quieres.

Pulsa Cerrar para continuar.</translation>
    </message>
    <message>
        <source>Classic &amp;Mode</source>
        <translation>&amp;Modo clásico</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source> - Step 1: Select A Name</source>
        <translation> – Paso 1: elegir un nombre</translation>
    </message>
    <message>
        <source>Please enter the user name</source>
        <translation>Escribe el nombre de usuario</translation>
    </message>
    <message>
        <source>That user name is already taken, please try again</source>
        <translation>Ese nombre de usuario ya está en uso; elige otro</translation>
    </message>
    <message>
        <source>Please enter a password</source>
        <translation>Escribe una contraseña</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match!</source>
        <translation>¡Las contraseñas no coinciden!</translation>
    </message>
    <message>
        <source>The password holds characters that cannot be stored.  Please use only letters, digits and the usual signs.</source>
        <translation>La contraseña contiene caracteres que no se pueden guardar.  Usa solo letras, cifras y los signos habituales.</translation>
    </message>
    <message>
        <source> - Finished!</source>
        <translation> – ¡Terminado!</translation>
    </message>
    <message>
        <source> - Step 2: Select Time Restrictions</source>
        <translation> – Paso 2: elegir el tiempo</translation>
    </message>
    <message>
        <source> - Step 3: Select Timeout Events</source>
        <translation> – Paso 3: acciones al acabarse el tiempo</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Are you sure you wish to close?

You will not be able to run the program until you finish this step.</source>
        <translation>¿Seguro que quieres cerrar?

No podrás usar el programa hasta que termines este paso.</translation>
    </message>
    <message>
        <source>Confirm Close</source>
        <translation>Confirmar cierre</translation>
    </message>
</context>
<context>
    <name>frmApproveMinutes</name>
    <message>
        <source>Approve</source>
        <translation>Aprobar</translation>
    </message>
    <message>
        <source>How many minutes do you give %1?</source>
        <translation>¿Cuántos minutos le da a %1?</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minutos:</translation>
    </message>
    <message>
        <source>&amp;Give</source>
        <translation>&amp;Dar</translation>
    </message>
    <message>
        <source>Please give from 1 to %1 minutes.</source>
        <translation>Da entre 1 y %1 minutos.</translation>
    </message>
</context>
<context>
    <name>frmAskMoreTime</name>
    <message>
        <source>Ask for More Time</source>
        <translation>Pedir más tiempo</translation>
    </message>
    <message>
        <source>A parent sees your request and answers it. How much more time would you like?</source>
        <translation>Tus padres verán tu petición y la responderán. ¿Cuánto tiempo más quieres?</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Motivo:</translation>
    </message>
    <message>
        <source>&amp;Ask</source>
        <translation>&amp;Pedir</translation>
    </message>
    <message>
        <source>Your request has been sent. You will see the answer here as soon as a parent gives it.</source>
        <translation>Tu petición se ha enviado. Verás la respuesta aquí en cuanto tus padres la den.</translation>
    </message>
</context>
<context>
    <name>frmAskParent</name>
    <message>
        <source>Ask a Parent</source>
        <translation>Pedir a un padre</translation>
    </message>
    <message>
        <source>Parent&apos;s &amp;name:</source>
        <translation>&amp;Nombre del padre o madre:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minutos:</translation>
    </message>
    <message>
        <source>&amp;Give Time</source>
        <translation>&amp;Dar tiempo</translation>
    </message>
    <message>
        <source>A parent can give %1 more time now.</source>
        <translation>Un padre o una madre puede dar ahora más tiempo a %1.</translation>
    </message>
    <message>
        <source>Please choose from 1 to %1 minutes.</source>
        <translation>Elige entre 1 y %1 minutos.</translation>
    </message>
    <message>
        <source>The minutes could not be saved: %1. Nothing was given.</source>
        <translation>No se pudieron guardar los minutos: %1. No se ha dado nada.</translation>
    </message>
</context>
<context>
    <name>frmBadShutdown</name>
    <message>
        <source>Bad Shutdown Detected!</source>
        <translation>¡Se detectó un cierre incorrecto!</translation>
    </message>
    <message>
        <source>&amp;Never show this again</source>
        <translation>&amp;No volver a mostrar</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>TimeWard was stopped twice in a row without shutting down properly: the computer was switched off or restarted without shutting down, or TimeWard itself was ended from outside.  A child may have done this to get around the time limit; the activity log shows what happened before.  If you think TimeWard itself went wrong, you can send a report of it.</source>
        <translation>TimeWard se detuvo dos veces seguidas sin cerrarse correctamente: el ordenador se apagó o reinició sin apagarse como es debido, o TimeWard mismo se terminó desde fuera.  Puede que un niño lo hiciera para saltarse el límite de tiempo; el registro de actividad muestra lo que ocurrió antes.  Si cree que el fallo fue de TimeWard, puede enviar un informe.</translation>
    </message>
    <message>
        <source>&amp;Report the Problem...</source>
        <translation>&amp;Informar del problema...</translation>
    </message>
    <message>
        <source>&amp;Show the activity log</source>
        <translation>&amp;Mostrar el registro de actividad</translation>
    </message>
</context>
<context>
    <name>frmCheckForUpdate</name>
    <message>
        <source>TimeWard Auto-Updater</source>
        <translation>Actualizador de TimeWard</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Your Version:</source>
        <translation>Tu versión:</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Versión actual:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Check For Update</source>
        <translation>&amp;Buscar actualización</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocida</translation>
    </message>
    <message>
        <source>Please press Check For Update to see if there&apos;s a new update available.</source>
        <translation>Pulsa «Buscar actualización» para ver si hay una nueva.</translation>
    </message>
    <message>
        <source>Are you connected to the internet?  You need to be to check if there&apos;s an update.</source>
        <translation>¿Estás conectado a internet?  Hace falta para buscar actualizaciones.</translation>
    </message>
    <message>
        <source>Checking for latest version, please stand by...</source>
        <translation>Buscando la última versión, espera…</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>frmErrorWizard</name>
    <message>
        <source>Error Handler Wizard</source>
        <translation>Asistente de errores</translation>
    </message>
    <message>
        <source>The following information will help me with the debugging process.  Please answer the information to the best of your ability.  I will not give out any of this information.</source>
        <translation>La siguiente información me ayudará a encontrar el error.  Responde lo mejor que puedas.  No compartiré esta información con nadie.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No!</source>
        <translation>¡No!</translation>
    </message>
    <message>
        <source>Here, please type what you were doing at the time, what you did before this happened, any recent configuration changes, or what screen you were on when this happened.</source>
        <translation>Escribe aquí qué estabas haciendo, qué hiciste justo antes, si cambiaste algo de la configuración hace poco o en qué pantalla estabas cuando ocurrió.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Email</source>
        <translation>&amp;Correo</translation>
    </message>
    <message>
        <source>Does the program still function properly even though the error occurs?</source>
        <translation>¿El programa sigue funcionando bien a pesar del error?</translation>
    </message>
    <message>
        <source>Does the program still function at all?</source>
        <translation>¿El programa sigue funcionando?</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
</context>
<context>
    <name>frmHelpBox</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>To start off, please click on 
the User Name box.
</source>
        <translation>Para empezar, haz clic en
el cuadro Nombre de usuario.
</translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>Now Powering Off The Computer...</source>
        <translation>Apagando el ordenador…</translation>
    </message>
    <message>
        <source>Now Logging Out Of The Desktop...</source>
        <translation>Cerrando la sesión del escritorio…</translation>
    </message>
    <message>
        <source>Now Re-Booting The Computer...</source>
        <translation>Reiniciando el ordenador…</translation>
    </message>
    <message>
        <source>Time Ward Login</source>
        <translation>Time Ward – Inicio de sesión</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Inicio de sesión</translation>
    </message>
    <message>
        <source>Login &amp;Name:</source>
        <translation>&amp;Nombre de usuario:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>&amp;Ask a parent…</source>
        <translation>&amp;Pedir a un padre…</translation>
    </message>
    <message>
        <source>Seconds To Login</source>
        <translation>Segundos para entrar</translation>
    </message>
    <message>
        <source>The login timer has run out!</source>
        <translation>¡Se acabó el tiempo para iniciar sesión!</translation>
    </message>
    <message>
        <source>Timer Ran Out</source>
        <translation>Tiempo agotado</translation>
    </message>
    <message>
        <source>You cannot close this form using Task Manager.</source>
        <translation>Esta ventana no se puede cerrar con el administrador de tareas.</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland, where the TimeWard login window cannot hold the keyboard and the mouse: while it is up, other programs can still be used. Time-outs still end the desktop session.

To close the gate, choose the X11 session at the login screen (for example &quot;GNOME on Xorg&quot;) before logging in to the desktop.</source>
        <translation>Este escritorio funciona con Wayland, donde la ventana de inicio de sesión de TimeWard no puede retener el teclado ni el ratón: mientras está abierta, los demás programas siguen pudiendo usarse. Al acabarse el tiempo, la sesión del escritorio se cierra igualmente.

Para cerrar la barrera, elija la sesión X11 en la pantalla de inicio de sesión (por ejemplo &quot;GNOME on Xorg&quot;) antes de entrar en el escritorio.</translation>
    </message>
    <message numerus="yes">
        <source>%1 gave %2 %n minute(s). Press Login to start.</source>
        <translation>
            <numerusform>%1 ha dado %n minuto a %2. Pulsa «Entrar» para empezar.</numerusform>
            <numerusform>%1 ha dado %n minutos a %2. Pulsa «Entrar» para empezar.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMailAuthorBadShutdown</name>
    <message>
        <source>Mailing The Author</source>
        <translation>Escribir al autor</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>To Mail</source>
        <translation>Para enviar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Ok, it&apos;s mailed!</source>
        <translation>&amp;¡Listo, enviado!</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Ok, now please email that information to %1.  Thanks a lot!</source>
        <translation>Bien, ahora envía esa información por correo a %1.  ¡Muchas gracias!</translation>
    </message>
    <message>
        <source>Please check it and delete anything you do not want to send.  It holds only the program&apos;s logs and some information about your system.</source>
        <translation>Revíselo y borre todo lo que no quiera enviar.  Solo contiene los registros del programa y algunos datos de su sistema.</translation>
    </message>
    <message>
        <source>The &quot;To Mail&quot; box below holds a report of what happened.</source>
        <translation>El cuadro «Para enviar» de abajo contiene un informe de lo ocurrido.</translation>
    </message>
    <message>
        <source>Then press Save to keep it in a file that you can send to whoever looks after this computer.</source>
        <translation>Después pulse «Guardar» para conservarlo en un archivo que pueda enviar a quien se ocupa de este ordenador.</translation>
    </message>
    <message>
        <source>The contents of the &quot;To Mail&quot; box below will be sent to %1.</source>
        <translation>El contenido del cuadro «Para enviar» de abajo se enviará a %1.</translation>
    </message>
    <message>
        <source>When you are ready, press Copy and mail it, or Save it to a file.</source>
        <translation>Cuando esté listo, pulse «Copiar» y envíelo, o guárdelo en un archivo.</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Hecho</translation>
    </message>
    <message>
        <source>The report is on the clipboard: paste it into a message to whoever looks after this computer.</source>
        <translation>El informe está en el portapapeles: péguelo en un mensaje para quien se ocupa de este ordenador.</translation>
    </message>
    <message>
        <source>Save the Report</source>
        <translation>Guardar el informe</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>The report could not be saved in %1.</source>
        <translation>No se pudo guardar el informe en %1.</translation>
    </message>
    <message>
        <source>The report was saved in %1.</source>
        <translation>El informe se ha guardado en %1.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>There is only one user left!  You cannot delete all of the users.</source>
        <translation>¡Solo queda un usuario!  No puedes eliminar a todos los usuarios.</translation>
    </message>
    <message>
        <source>Are you sure you wish to exit TimeWard?</source>
        <translation>¿Seguro que quieres salir de TimeWard?</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Time Ward</source>
        <translation>Time Ward</translation>
    </message>
    <message>
        <source>User List</source>
        <translation>Lista de usuarios</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Parent?</source>
        <translation>¿Padre?</translation>
    </message>
    <message>
        <source>Measured By</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Time Allowed</source>
        <translation>Tiempo permitido</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>  TimeWard Enabled  </source>
        <translation>  TimeWard activado  </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>TimeWard Disabled</source>
        <translation>TimeWard desactivado</translation>
    </message>
    <message>
        <source>Right-click a user for more choices.</source>
        <translation>Clic derecho en un usuario para más opciones.</translation>
    </message>
    <message>
        <source>&amp;TimeWard</source>
        <translation>&amp;TimeWard</translation>
    </message>
    <message>
        <source>&amp;Enabled</source>
        <translation>&amp;Activado</translation>
    </message>
    <message>
        <source>&amp;Login New User</source>
        <translation>&amp;Iniciar sesión con otro usuario</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Configurar impresora</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Registro</translation>
    </message>
    <message>
        <source>&amp;Time Usage</source>
        <translation>&amp;Uso del tiempo</translation>
    </message>
    <message>
        <source>&amp;User List</source>
        <translation>&amp;Lista de usuarios</translation>
    </message>
    <message>
        <source>&amp;Everything</source>
        <translation>&amp;Todo</translation>
    </message>
    <message>
        <source>&amp;Weekly Usage</source>
        <translation>Uso &amp;semanal</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>&amp;Cerrar ventana</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Users</source>
        <translation>&amp;Usuarios</translation>
    </message>
    <message>
        <source>&amp;Add User</source>
        <translation>&amp;Añadir usuario</translation>
    </message>
    <message>
        <source>&amp;Modify Time Remaining</source>
        <translation>&amp;Modificar tiempo restante</translation>
    </message>
    <message>
        <source>Refresh &amp;Time Period</source>
        <translation>Renovar &amp;periodo</translation>
    </message>
    <message>
        <source>User &amp;Stats</source>
        <translation>&amp;Estadísticas del usuario</translation>
    </message>
    <message>
        <source>&amp;Usage</source>
        <translation>&amp;Uso</translation>
    </message>
    <message>
        <source>&amp;Delete User</source>
        <translation>&amp;Eliminar usuario</translation>
    </message>
    <message>
        <source>&amp;Wizards</source>
        <translation>A&amp;sistentes</translation>
    </message>
    <message>
        <source>New &amp;User Wizard</source>
        <translation>Asistente de nuevo &amp;usuario</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;Search For Help On...</source>
        <translation>&amp;Buscar en la ayuda…</translation>
    </message>
    <message>
        <source>&amp;Help On Using Help</source>
        <translation>&amp;Cómo usar la ayuda</translation>
    </message>
    <message>
        <source>&amp;About TimeWard</source>
        <translation>&amp;Acerca de TimeWard</translation>
    </message>
    <message>
        <source>Check For New &amp;Version</source>
        <translation>Buscar nueva &amp;versión</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Usuario</translation>
    </message>
    <message>
        <source>&amp;Edit User</source>
        <translation>&amp;Editar usuario</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Uso</translation>
    </message>
    <message>
        <source>TimeWard Enabled</source>
        <translation>TimeWard activado</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Peticiones</translation>
    </message>
</context>
<context>
    <name>frmModUserFreeTime</name>
    <message>
        <source>That user has unlimited time!</source>
        <translation>¡Ese usuario tiene tiempo ilimitado!</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Nombre de usuario:</translation>
    </message>
    <message>
        <source>Free &amp;Hours</source>
        <translation>&amp;Horas restantes</translation>
    </message>
    <message>
        <source>Free &amp;Minutes:</source>
        <translation>&amp;Minutos restantes:</translation>
    </message>
    <message>
        <source>Free &amp;Seconds:</source>
        <translation>&amp;Segundos restantes:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Modify User Free Time</source>
        <translation>Modificar tiempo restante</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Kept for other installations; no effect on this system</source>
        <translation>Se conserva para otras instalaciones; no tiene efecto en este sistema</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Archivo de registro</translation>
    </message>
    <message>
        <source>Log Files (*.log)|*.log|Text Files (*.txt)|*.txt|All Files|*.*</source>
        <translation>Archivos de registro (*.log)|*.log|Archivos de texto (*.txt)|*.txt|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>These options only work on some systems,  usually depending on what version of Windows95 you have (Win95b OSR2 namely *doesn&apos;t* work).  </source>
        <translation>Estas opciones solo funcionan en algunos sistemas, según la versión de Windows95 (en concreto, con Win95b OSR2 *no* funcionan).  </translation>
    </message>
    <message>
        <source>Use these options at your own risk!</source>
        <translation>¡Usa estas opciones bajo tu propia responsabilidad!</translation>
    </message>
    <message>
        <source>Disable ScreenSaver</source>
        <translation>Desactivar el salvapantallas</translation>
    </message>
    <message>
        <source>Disable Tray Clock</source>
        <translation>Desactivar el reloj del área de notificación</translation>
    </message>
    <message>
        <source>Disable Mouse (Not Recommended)</source>
        <translation>Desactivar el ratón (no recomendado)</translation>
    </message>
    <message>
        <source>Disable Desktop</source>
        <translation>Desactivar el escritorio</translation>
    </message>
    <message>
        <source>Disable Start Button</source>
        <translation>Desactivar el botón Inicio</translation>
    </message>
    <message>
        <source>Disable Icon Tray</source>
        <translation>Desactivar el área de notificación</translation>
    </message>
    <message>
        <source>Disable Taskbar</source>
        <translation>Desactivar la barra de tareas</translation>
    </message>
    <message>
        <source>Disable Task Switching and CTRL-ALT-DEL to End Program</source>
        <translation>Bloquear Alt+Tab y Ctrl+Alt+Supr (cerrar programas)</translation>
    </message>
    <message>
        <source>User can&apos;t Add a Printer</source>
        <translation>El usuario no puede añadir impresoras</translation>
    </message>
    <message>
        <source>User can&apos;t Delete a Printer</source>
        <translation>El usuario no puede eliminar impresoras</translation>
    </message>
    <message>
        <source>General &amp;&amp; Details in Printer Properties</source>
        <translation>General &amp;&amp; Detalles en las propiedades de la impresora</translation>
    </message>
    <message>
        <source>User Profiles</source>
        <translation>Perfiles de usuario</translation>
    </message>
    <message>
        <source>Remote Administration</source>
        <translation>Administración remota</translation>
    </message>
    <message>
        <source>Change Passwords</source>
        <translation>Cambiar contraseñas</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Contraseñas</translation>
    </message>
    <message>
        <source>Access Control</source>
        <translation>Control de acceso</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identificación</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Virtual Memory</source>
        <translation>Memoria virtual</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Sistema de archivos</translation>
    </message>
    <message>
        <source>Hardware Profiles</source>
        <translation>Perfiles de hardware</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>Administrador de dispositivos</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Screen Saver</source>
        <translation>Salvapantallas</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Drives (Hide all of the drives in My Computer)</source>
        <translation>Unidades (ocultar todas las unidades en Mi PC)</translation>
    </message>
    <message>
        <source>Entire Network (Hide &apos;Entire Network&apos; from Network Neighborhood)</source>
        <translation>Toda la red (ocultar «Toda la red» en Entorno de red)</translation>
    </message>
    <message>
        <source>File Sharing</source>
        <translation>Compartir archivos</translation>
    </message>
    <message>
        <source>MS-DOS Mode option on Shutdown Menu</source>
        <translation>Modo MS-DOS en el menú Apagar</translation>
    </message>
    <message>
        <source>MS-DOS Programs</source>
        <translation>Programas MS-DOS</translation>
    </message>
    <message>
        <source>Password Caching</source>
        <translation>Caché de contraseñas</translation>
    </message>
    <message>
        <source>Printer Sharing</source>
        <translation>Compartir impresoras</translation>
    </message>
    <message>
        <source>Registry Tools</source>
        <translation>Herramientas del Registro</translation>
    </message>
    <message>
        <source>Save Settings On Exit</source>
        <translation>Guardar la configuración al salir</translation>
    </message>
    <message>
        <source>Workgroup Content (Hide computers from your own workgroup from Network Neighborhood)</source>
        <translation>Grupo de trabajo (ocultar los equipos de tu grupo en Entorno de red)</translation>
    </message>
    <message>
        <source>Time Ward Preferences</source>
        <translation>Time Ward – Preferencias</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Ventanas</translation>
    </message>
    <message>
        <source>Auto Center Windows</source>
        <translation>Centrar las ventanas automáticamente</translation>
    </message>
    <message>
        <source>Save Window Position On Exit</source>
        <translation>Guardar la posición de las ventanas al salir</translation>
    </message>
    <message>
        <source>Generosity</source>
        <translation>Generosidad</translation>
    </message>
    <message>
        <source>Be Generous</source>
        <translation>Ser generoso</translation>
    </message>
    <message>
        <source>Allow for an extra</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos más</translation>
    </message>
    <message>
        <source>Display Warning Message</source>
        <translation>Mostrar aviso</translation>
    </message>
    <message>
        <source>Subtract Amount At End</source>
        <translation>Descontar al final</translation>
    </message>
    <message>
        <source>Startup And Shutdown</source>
        <translation>Inicio y cierre</translation>
    </message>
    <message>
        <source>Load On Startup</source>
        <translation>Cargar al iniciar</translation>
    </message>
    <message>
        <source>Regular (after user logs in)</source>
        <translation>Normal (tras iniciar sesión)</translation>
    </message>
    <message>
        <source>As Service (before user logs in)</source>
        <translation>Como servicio (antes de iniciar sesión)</translation>
    </message>
    <message>
        <source>Show Splash Screen (About Box)</source>
        <translation>Mostrar pantalla de bienvenida (Acerca de)</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilidad</translation>
    </message>
    <message>
        <source>Timer Interval:</source>
        <translation>Intervalo del temporizador:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Not working in this version.</source>
        <translation>No funciona en esta versión.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Add Timeout To Time Used</source>
        <translation>Sumar el tiempo de espera al tiempo usado</translation>
    </message>
    <message>
        <source>Log Screen Saver Load And Unloads</source>
        <translation>Registrar el inicio y fin del salvapantallas</translation>
    </message>
    <message>
        <source>Current Screen Saver Status</source>
        <translation>Estado actual del salvapantallas</translation>
    </message>
    <message>
        <source>Update Screen Saver Status Automatically</source>
        <translation>Actualizar el estado automáticamente</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Espera</translation>
    </message>
    <message>
        <source>Low Power Active</source>
        <translation>Ahorro de energía activo</translation>
    </message>
    <message>
        <source>Low Power TimeOut</source>
        <translation>Espera de ahorro de energía</translation>
    </message>
    <message>
        <source>Power Off Active</source>
        <translation>Apagado activo</translation>
    </message>
    <message>
        <source>Power Off TimeOut</source>
        <translation>Espera de apagado</translation>
    </message>
    <message>
        <source>Screen Saver Smart</source>
        <translation>Salvapantallas</translation>
    </message>
    <message>
        <source>Log To File</source>
        <translation>Registrar en archivo</translation>
    </message>
    <message>
        <source>Log To Screen</source>
        <translation>Registrar en pantalla</translation>
    </message>
    <message>
        <source>Events To Log</source>
        <translation>Eventos que registrar</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Inicio de sesión</translation>
    </message>
    <message>
        <source>User Logout</source>
        <translation>Cierres de sesión</translation>
    </message>
    <message>
        <source>Time Outs</source>
        <translation>Fin del tiempo</translation>
    </message>
    <message>
        <source>Configuration Changes</source>
        <translation>Cambios de configuración</translation>
    </message>
    <message>
        <source>Time Stamping</source>
        <translation>Marca de tiempo</translation>
    </message>
    <message>
        <source>Using:</source>
        <translation>Con:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time And Date</source>
        <translation>Hora y fecha</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>3 Minute Warn</source>
        <translation>Avisar 3 minutos antes</translation>
    </message>
    <message>
        <source>Bad Shutdown Warning (Helps track bugs in the program)</source>
        <translation>Avisar de cierres incorrectos (ayuda a encontrar errores)</translation>
    </message>
    <message>
        <source>Force  Logging into TimeWard before using Windows</source>
        <translation>Obligar a iniciar sesión en TimeWard antes de usar el ordenador</translation>
    </message>
    <message>
        <source>TimeWard Startup</source>
        <translation>Inicio de TimeWard</translation>
    </message>
    <message>
        <source>Login Timer</source>
        <translation>Temporizador de inicio de sesión</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Segundos:</translation>
    </message>
    <message>
        <source>On Time Out:</source>
        <translation>Al agotarse:</translation>
    </message>
    <message>
        <source>Exiting Program</source>
        <translation>Cierre del programa</translation>
    </message>
    <message>
        <source>Disallow TaskMan To Close Program.</source>
        <translation>Impedir que el administrador de tareas cierre el programa</translation>
    </message>
    <message>
        <source>Disallow Close On Exiting Windows</source>
        <translation>Impedir el cierre al salir de la sesión</translation>
    </message>
    <message>
        <source>Refuses to end on SIGTERM or Ctrl+C, the way a task manager ends a program. A power-off or reboot still ends TimeWard in order.</source>
        <translation>No se cierra con SIGTERM ni Ctrl+C, que es como un administrador de tareas cierra un programa. Al apagar o reiniciar, TimeWard se cierra igualmente de forma ordenada.</translation>
    </message>
    <message>
        <source>Refuses the end of the desktop session where the session manager lets a program object. A power-off or reboot still ends TimeWard in order.</source>
        <translation>Se opone al cierre de la sesión del escritorio cuando el gestor de sesiones lo permite. Al apagar o reiniciar, TimeWard se cierra igualmente de forma ordenada.</translation>
    </message>
    <message>
        <source>The login window covers the whole screen and stays on top.</source>
        <translation>La ventana de inicio de sesión ocupa toda la pantalla y se queda delante.</translation>
    </message>
    <message>
        <source>Windows Startup</source>
        <translation>Inicio del sistema</translation>
    </message>
    <message>
        <source>Boot Windows 95 On Startup</source>
        <translation>Arrancar Windows 95 al iniciar</translation>
    </message>
    <message>
        <source>2 Second Boot Delay</source>
        <translation>Retraso de arranque de 2 segundos</translation>
    </message>
    <message>
        <source>Boot GUI On Startup</source>
        <translation>Arrancar la interfaz gráfica al iniciar</translation>
    </message>
    <message>
        <source>TimeWard Security</source>
        <translation>Seguridad de TimeWard</translation>
    </message>
    <message>
        <source>Enable Time-Remaining window</source>
        <translation>Activar la ventana de tiempo restante</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Posición:</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Time Window</source>
        <translation>Ventana de tiempo</translation>
    </message>
    <message>
        <source>Changes won&apos;t go into effect until the next time you start TimeWard</source>
        <translation>Los cambios no se aplicarán hasta el próximo inicio de TimeWard</translation>
    </message>
    <message>
        <source>While Running</source>
        <translation>Durante la ejecución</translation>
    </message>
    <message>
        <source>On Login Screen</source>
        <translation>En la pantalla de inicio de sesión</translation>
    </message>
    <message>
        <source>Windows Security</source>
        <translation>Seguridad de Windows</translation>
    </message>
    <message>
        <source>Disable &apos;Taskbar&apos; Settings on the &apos;Settings&apos; Menu</source>
        <translation>Desactivar «Barra de tareas» en el menú «Configuración»</translation>
    </message>
    <message>
        <source>Disable &apos;Settings&apos; Command on Start Menu</source>
        <translation>Desactivar el comando «Configuración» del menú Inicio</translation>
    </message>
    <message>
        <source>Disable &apos;Find&apos; Command on Start Menu</source>
        <translation>Desactivar el comando «Buscar» del menú Inicio</translation>
    </message>
    <message>
        <source>Disable &apos;Shutdown&apos; Command on Start Menu</source>
        <translation>Desactivar el comando «Apagar» del menú Inicio</translation>
    </message>
    <message>
        <source>Disable &apos;Run&apos; Command on Start Menu</source>
        <translation>Desactivar el comando «Ejecutar» del menú Inicio</translation>
    </message>
    <message>
        <source>Start Menu Security</source>
        <translation>Seguridad del menú Inicio</translation>
    </message>
    <message>
        <source>Disable these Control Panel applets</source>
        <translation>Desactivar estos elementos del Panel de control</translation>
    </message>
    <message>
        <source>System Control Panel</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Impresoras</translation>
    </message>
    <message>
        <source>Control Panel Security</source>
        <translation>Seguridad del Panel de control</translation>
    </message>
    <message>
        <source>Disable these options while running</source>
        <translation>Desactivar estas opciones durante la ejecución</translation>
    </message>
    <message>
        <source>Misc Security</source>
        <translation>Otras medidas de seguridad</translation>
    </message>
    <message>
        <source>Please enter an integer</source>
        <translation>Escribe un número entero</translation>
    </message>
    <message>
        <source>Please enter a value between 1 and 65</source>
        <translation>Escribe un valor entre 1 y 65</translation>
    </message>
    <message>
        <source>The timer interval must be a number of seconds, for example 1 or 2.5.  Nothing has been saved.</source>
        <translation>El intervalo del temporizador debe ser un número de segundos, por ejemplo 1 o 2.5.  No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Nothing on these pages has an effect on this system. The settings are kept, and saved as they are, because copies of TimeWard on other systems that share this store use them.</source>
        <translation>Nada de estas páginas tiene efecto en este sistema. Los ajustes se conservan y se guardan tal cual porque los usan las copias de TimeWard de otros sistemas que comparten este almacén.</translation>
    </message>
    <message>
        <source>Other Systems</source>
        <translation>Otros sistemas</translation>
    </message>
    <message>
        <source>Parent&apos;s Page</source>
        <translation>Página de los padres</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmPassChange</name>
    <message>
        <source>The password holds characters that cannot be stored.  Please use only letters, digits and the usual signs.</source>
        <translation>La contraseña contiene caracteres que no se pueden guardar.  Usa solo letras, cifras y los signos habituales.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>&amp;Old Password:</source>
        <translation>Contraseña &amp;anterior:</translation>
    </message>
    <message>
        <source>&amp;New Password:</source>
        <translation>Contraseña &amp;nueva:</translation>
    </message>
    <message>
        <source>&amp;Re-Confirm Password:</source>
        <translation>&amp;Repetir contraseña:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Now reconfirm the password in the box below it.</source>
        <translation>Ahora repite la contraseña en el cuadro de abajo.</translation>
    </message>
    <message>
        <source>Password Incorrect!<byte value="xd"/><byte value="xd"/>In order to continue, you need to enter the<byte value="xd"/>correct password for the user</source>
        <translation>¡Contraseña incorrecta!<byte value="xd"/><byte value="xd"/>Para continuar, tiene que escribir la<byte value="xd"/>contraseña correcta del usuario</translation>
    </message>
    <message>
        <source>Password Incorrect!</source>
        <translation>¡Contraseña incorrecta!</translation>
    </message>
    <message>
        <source>The password and the confirmation password are not equal!</source>
        <translation>¡La contraseña y su confirmación no coinciden!</translation>
    </message>
    <message>
        <source>Passwords Not Equal!</source>
        <translation>¡Las contraseñas no coinciden!</translation>
    </message>
    <message>
        <source>Now click back on the User Information tab.</source>
        <translation>Ahora vuelve a la pestaña Información del usuario.</translation>
    </message>
    <message>
        <source>Good.  Now click OK.</source>
        <translation>Bien.  Ahora pulsa Aceptar.</translation>
    </message>
</context>
<context>
    <name>frmPickuser</name>
    <message>
        <source>Please Enter A User Name</source>
        <translation>Escribe un nombre de usuario</translation>
    </message>
    <message>
        <source>That User Does Not Exist!</source>
        <translation>¡Ese usuario no existe!</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>User %1 does not exist, create new one?</source>
        <translation>El usuario %1 no existe. ¿Crearlo?</translation>
    </message>
    <message>
        <source>User %1 successfully deleted</source>
        <translation>El usuario %1 se ha eliminado</translation>
    </message>
    <message>
        <source>Pick User</source>
        <translation>Elegir usuario</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmSecret</name>
    <message>
        <source>User: %1 Time Left: %2</source>
        <translation>Usuario: %1 Queda: %2</translation>
    </message>
    <message>
        <source>Sorry, but you cannot use the Task Manager to exit this program.</source>
        <translation>Lo siento, este programa no se puede cerrar con el administrador de tareas.</translation>
    </message>
    <message>
        <source>Sorry, but you cannot end the desktop session while this program is running.</source>
        <translation>Lo siento, no se puede cerrar la sesión del escritorio mientras este programa esté en marcha.</translation>
    </message>
    <message>
        <source>Renews %1 at 0:00</source>
        <translation>Se renueva %1 a las 0:00</translation>
    </message>
    <message>
        <source>Open TimeWard</source>
        <translation>Abrir TimeWard</translation>
    </message>
    <message>
        <source>My Time</source>
        <translation>Mi tiempo</translation>
    </message>
    <message>
        <source>Ask for More Time…</source>
        <translation>Pedir más tiempo…</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Cerrar sesión</translation>
    </message>
</context>
<context>
    <name>frmTRWindow</name>
    <message>
        <source>Time Remaining</source>
        <translation>Tiempo restante</translation>
    </message>
</context>
<context>
    <name>frmUS</name>
    <message>
        <source>Are you sure you wish to end this session?</source>
        <translation>¿Seguro que quieres terminar esta sesión?</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Nombre de usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Time Allowed:</source>
        <translation>Tiempo permitido:</translation>
    </message>
    <message>
        <source>Time Left:</source>
        <translation>Tiempo restante:</translation>
    </message>
    <message>
        <source>Time Renews:</source>
        <translation>Se renueva:</translation>
    </message>
    <message>
        <source>&amp;End Session</source>
        <translation>&amp;Terminar sesión</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>User Statistics</source>
        <translation>Estadísticas del usuario</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Change Password</source>
        <translation>&amp;Cambiar contraseña</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>Ask for &amp;More Time…</source>
        <translation>Pedir &amp;más tiempo…</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 a las %2</translation>
    </message>
</context>
<context>
    <name>frmUserMenu</name>
    <message>
        <source>Edit User Information</source>
        <translation>Editar información del usuario</translation>
    </message>
    <message>
        <source> User Information</source>
        <translation> Información del usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Time Limits</source>
        <translation>Límites de tiempo</translation>
    </message>
    <message>
        <source>Login Options</source>
        <translation>Opciones de inicio</translation>
    </message>
    <message>
        <source>Time Restrictions</source>
        <translation>Restricciones horarias</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Parental Rights</source>
        <translation>Derechos de padres</translation>
    </message>
    <message>
        <source>User Can Change Password</source>
        <translation>Puede cambiar la contraseña</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>User Number:</source>
        <translation>Número de usuario:</translation>
    </message>
    <message>
        <source>User &amp;Name:</source>
        <translation>&amp;Nombre de usuario:</translation>
    </message>
    <message>
        <source>Single Passwords</source>
        <translation>Contraseña única</translation>
    </message>
    <message>
        <source>Multiple Passwords</source>
        <translation>Varias contraseñas</translation>
    </message>
    <message>
        <source>&amp;Change Password</source>
        <translation>&amp;Cambiar contraseña</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Next Password: </source>
        <translation>Siguiente contraseña: </translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Aleatorias</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>Re&amp;novar</translation>
    </message>
    <message>
        <source>Set &amp;Next</source>
        <translation>Fijar &amp;siguiente</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;ñadir</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Refresh When Run Out Of Passwords</source>
        <translation>Renovar al agotarse las contraseñas</translation>
    </message>
    <message>
        <source>Disable Password After Use</source>
        <translation>Desactivar la contraseña tras usarla</translation>
    </message>
    <message>
        <source>Refresh Time When Start</source>
        <translation>Renovar el tiempo al empezar</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longitud:</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Cantidad:</translation>
    </message>
    <message>
        <source>&amp;Based On:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Horas:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutos:</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Segundos:</translation>
    </message>
    <message>
        <source>One Time:   Delete user after time runs out.</source>
        <translation>Una sola vez:   eliminar el usuario al acabarse el tiempo.</translation>
    </message>
    <message>
        <source>On Timeout</source>
        <translation>Al acabarse el tiempo</translation>
    </message>
    <message>
        <source>Launch Program</source>
        <translation>Iniciar programa</translation>
    </message>
    <message>
        <source>Display Message</source>
        <translation>Mostrar mensaje</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Reproducir sonido</translation>
    </message>
    <message>
        <source>Now enter the amount in minutes you wish the user to receive in the Minutes box.</source>
        <translation>Ahora escribe en el cuadro Minutos cuántos minutos quieres dar al usuario.</translation>
    </message>
    <message>
        <source>Finally, do the same (in seconds) in the seconds box.</source>
        <translation>Por último, haz lo mismo (en segundos) en el cuadro Segundos.</translation>
    </message>
    <message>
        <source>On Login:</source>
        <translation>Al iniciar sesión:</translation>
    </message>
    <message>
        <source>Write Extra Text To Log </source>
        <translation>Escribir un texto en el registro </translation>
    </message>
    <message>
        <source>Logout User When Program Stops</source>
        <translation>Cerrar la sesión del usuario al detenerse el programa</translation>
    </message>
    <message>
        <source>Identifiers</source>
        <translation>Variables</translation>
    </message>
    <message>
        <source>(The below identifiers are allowed)</source>
        <translation>(Se permiten estas variables)</translation>
    </message>
    <message>
        <source>Name of user</source>
        <translation>Nombre del usuario</translation>
    </message>
    <message>
        <source>User&apos;s number</source>
        <translation>Número del usuario</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>User&apos;s free time when he/she logs in</source>
        <translation>Tiempo restante del usuario al iniciar sesión</translation>
    </message>
    <message>
        <source>User&apos;s total amount of time</source>
        <translation>Tiempo total del usuario</translation>
    </message>
    <message>
        <source>What their time period is based on</source>
        <translation>Periodo del usuario</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activadas</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Till</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move the selected entry up</source>
        <translation>Subir la entrada seleccionada</translation>
    </message>
    <message>
        <source>Move the selected entry down</source>
        <translation>Bajar la entrada seleccionada</translation>
    </message>
    <message>
        <source>Times are based on a 24 hour clock!!!</source>
        <translation>¡Las horas van en formato de 24 horas!</translation>
    </message>
    <message>
        <source>Please continue by clicking on the time restrictions tab.</source>
        <translation>Continúa haciendo clic en la pestaña Restricciones horarias.</translation>
    </message>
    <message>
        <source>If you wish to type any notes about the user, please do so in the Notes box.  If you wish to continue without doing this, click on the Time Restrictions tab.</source>
        <translation>Si quieres escribir alguna nota sobre el usuario, hazlo en el cuadro Notas.  Para seguir sin notas, haz clic en la pestaña Restricciones horarias.</translation>
    </message>
    <message>
        <source>Since you have decided to not give this user Unlimited time, you will have to set how much time this user receives.  Click on the Hours box and enter the amount.</source>
        <translation>Como este usuario no tiene tiempo ilimitado, debes indicar cuánto tiempo recibe.  Haz clic en el cuadro Horas y escribe la cantidad.</translation>
    </message>
    <message>
        <source>Since this user currently has unlimited time, setting this option will have no effect.</source>
        <translation>Como este usuario tiene ahora tiempo ilimitado, esta opción no tendrá efecto.</translation>
    </message>
    <message>
        <source>Choosing this will power off the computer when the user runs out of time.</source>
        <translation>Con esta opción, el ordenador se apaga cuando al usuario se le acaba el tiempo.</translation>
    </message>
    <message>
        <source>Choosing this will log the user out of the desktop when the user runs out of time.</source>
        <translation>Con esta opción, se cierra la sesión del escritorio cuando al usuario se le acaba el tiempo.</translation>
    </message>
    <message>
        <source>Choosing this will cause the computer to restart when the user runs out of time.</source>
        <translation>Con esta opción, el ordenador se reinicia cuando al usuario se le acaba el tiempo.</translation>
    </message>
    <message>
        <source>Choosing this will display the TimeWard login so another user can log on when the user runs out of time.</source>
        <translation>Con esta opción, cuando al usuario se le acaba el tiempo aparece el inicio de sesión de TimeWard para que entre otro usuario.</translation>
    </message>
    <message>
        <source>You will next click on Change Password.  You will do this to set up the user&apos;s password so he or she can keep their account private and so no one else can get into their account.  Please try to remember this password.  Click on Change Password now.</source>
        <translation>Ahora pulsa Cambiar contraseña.  Así pondrás la contraseña del usuario para que nadie más pueda entrar en su cuenta.  Intenta recordarla bien.  Pulsa Cambiar contraseña ahora.</translation>
    </message>
    <message>
        <source>You will next put a check mark in the Parent Rights box.  Doing so tells TimeWard that this user can change any of the options that he/she wants, and can add, modify and edit users.  Check the Parent Rights box now.</source>
        <translation>Ahora marca la casilla Derechos de padres.  Así este usuario podrá cambiar todas las opciones y añadir y editar usuarios.  Marca ahora la casilla Derechos de padres.</translation>
    </message>
    <message>
        <source>It might be wise to give the parent user Unlimited time so that he/she can change any options whenever he or she chooses to do so.  If you select something else and the only Parent Rights user doesn&apos;t have any time left, he/she won&apos;t be able to change any options.  Do this by clicking on the drop-down box named Based On.</source>
        <translation>Conviene dar al padre o la madre tiempo ilimitado para que pueda cambiar las opciones cuando quiera.  Si eliges otra cosa y el único usuario con derechos de padres se queda sin tiempo, no podrá cambiar las opciones.  Hazlo en la lista desplegable Periodo.</translation>
    </message>
    <message>
        <source>Please enter the user name</source>
        <translation>Escribe el nombre de usuario</translation>
    </message>
    <message>
        <source>Please enter a password</source>
        <translation>Escribe una contraseña</translation>
    </message>
    <message>
        <source>Please enter the hour amount</source>
        <translation>Escribe las horas</translation>
    </message>
    <message>
        <source>Please enter the minute amount</source>
        <translation>Escribe los minutos</translation>
    </message>
    <message>
        <source>Please enter the second amount</source>
        <translation>Escribe los segundos</translation>
    </message>
    <message>
        <source>Please select time period for user</source>
        <translation>Elige el periodo del usuario</translation>
    </message>
    <message>
        <source>User %1 already exists!</source>
        <translation>¡El usuario %1 ya existe!</translation>
    </message>
    <message>
        <source>Now, please enter the user&apos;s preferred name.  This can be either their complete name, or, if you choose, just a short nick name or something along those lines.  Then press TAB.</source>
        <translation>Ahora escribe el nombre que prefiera el usuario.  Puede ser su nombre completo o, si quieres, un apodo corto.  Luego pulsa TAB.</translation>
    </message>
    <message>
        <source>Please go back to the User Name box and enter a user name.</source>
        <translation>Vuelve al cuadro Nombre de usuario y escribe un nombre.</translation>
    </message>
    <message>
        <source>Next, you will click the tab that says Password(s).</source>
        <translation>Ahora haz clic en la pestaña Contraseña.</translation>
    </message>
    <message>
        <source>Please Enter A User Name First</source>
        <translation>Escribe primero un nombre de usuario</translation>
    </message>
    <message>
        <source>Now you will have to enter this user&apos;s password.  To do so, enter the password in the New Password box.</source>
        <translation>Ahora escribe la contraseña de este usuario en el cuadro Contraseña nueva.</translation>
    </message>
    <message>
        <source>Please enter an integer</source>
        <translation>Escribe un número entero</translation>
    </message>
    <message>
        <source>Please enter an integer for the length!</source>
        <translation>¡Escribe un número entero para la longitud!</translation>
    </message>
    <message>
        <source>Please enter an integer for the number of passwords!</source>
        <translation>¡Escribe un número entero para la cantidad de contraseñas!</translation>
    </message>
    <message>
        <source>All passwords reset to Unused</source>
        <translation>Todas las contraseñas vuelven a estar sin usar</translation>
    </message>
    <message>
        <source>Please select a password</source>
        <translation>Elige una contraseña</translation>
    </message>
    <message>
        <source>Next password set as: </source>
        <translation>Siguiente contraseña: </translation>
    </message>
    <message>
        <source>A list password cannot contain spaces.</source>
        <translation>Una contraseña de la lista no puede contener espacios.</translation>
    </message>
    <message>
        <source>The password holds characters that cannot be stored.  Please use only letters, digits and the usual signs.</source>
        <translation>La contraseña contiene caracteres que no se pueden guardar.  Usa solo letras, cifras y los signos habituales.</translation>
    </message>
    <message>
        <source>Please select a user first</source>
        <translation>Elige primero un usuario</translation>
    </message>
    <message>
        <source>User %1 does not exist, create new one?</source>
        <translation>El usuario %1 no existe. ¿Crearlo?</translation>
    </message>
    <message>
        <source>Edit User</source>
        <translation>Editar usuario</translation>
    </message>
    <message>
        <source>Now you can configure what happens when a timeout occurs.  Clicking on either Take Action, Display Message, or Play Sound will update this box with further information on the person.  If you&apos;re all set, click OK to add this user.  You will then be all set.</source>
        <translation>Ahora puedes configurar qué pasa cuando se acaba el tiempo.  Al hacer clic en Realizar acción, Mostrar mensaje o Reproducir sonido, aquí aparecerá más información.  Cuando esté todo listo, pulsa Aceptar para añadir el usuario.  Y ya está.</translation>
    </message>
    <message>
        <source>Please select from the box beside this what you wish to happen when a timeout occurs.  You may click OK to save the user and continue at any time.</source>
        <translation>Elige en el cuadro de al lado qué quieres que pase cuando se acabe el tiempo.  Puedes pulsar Aceptar en cualquier momento para guardar el usuario.</translation>
    </message>
    <message>
        <source>This will display a message that says what the text box beside this shows.  You can edit that text box.  You may click OK to save the user and continue at any time.</source>
        <translation>Se mostrará un mensaje con el texto del cuadro de al lado.  Puedes cambiar ese texto.  Puedes pulsar Aceptar en cualquier momento para guardar el usuario.</translation>
    </message>
    <message>
        <source>This will play the specified wave file.  You may either select it by clicking on the ... button beside the box, or you may edit it manually.  You may click OK to save the user and continue at any time.</source>
        <translation>Se reproducirá el archivo WAV indicado.  Puedes elegirlo con el botón ... junto al cuadro o escribir la ruta a mano.  Puedes pulsar Aceptar en cualquier momento para guardar el usuario.</translation>
    </message>
    <message>
        <source>You are all set.  Click on OK to add this user and start TimeWard.</source>
        <translation>Todo listo.  Pulsa Aceptar para añadir este usuario e iniciar TimeWard.</translation>
    </message>
    <message>
        <source>You may click OK to save the user and continue at any time.</source>
        <translation>Puedes pulsar Aceptar en cualquier momento para guardar el usuario.</translation>
    </message>
    <message>
        <source>Since this user currently has unlimited time, setting this option will have no effect.  You may click OK to save the user and continue at any time.</source>
        <translation>Como este usuario tiene ahora tiempo ilimitado, esta opción no tendrá efecto.  Puedes pulsar Aceptar en cualquier momento para guardar el usuario.</translation>
    </message>
    <message>
        <source>The changes to %1 could not be saved: %2. Nothing was changed.</source>
        <translation>No se pudieron guardar los cambios de %1: %2. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The time in From cannot be read.</source>
        <translation>No se entiende la hora de «De».</translation>
    </message>
    <message>
        <source>The time in Till cannot be read.</source>
        <translation>No se entiende la hora de «A».</translation>
    </message>
    <message>
        <source>Please type a whole hour, for example 20, 20:00 or 8 pm; 24:00 is the end of the day.</source>
        <translation>Escriba una hora en punto, por ejemplo 20, 20:00 u 8 pm; 24:00 es el final del día.</translation>
    </message>
    <message>
        <source>Delete %1? Their time, password list and usage history go with them.</source>
        <translation>¿Eliminar a %1? Su tiempo, su lista de contraseñas y su historial de uso se eliminan con él.</translation>
    </message>
</context>
<context>
    <name>frmWelcome</name>
    <message>
        <source>Welcome to TimeWard</source>
        <translation>Bienvenido a TimeWard</translation>
    </message>
    <message>
        <source>Welcome to TimeWard!

TimeWard decides who may use this computer, when, and for how long.  Every person gets a user name, a password and a time allowance that renews daily, weekly or monthly, or unlimited time.

Since this is the first time TimeWard has been started, you will now set up the first user.  That user will be a parent: he or she can change the options and add, edit and delete the other users.

Click Next to begin.</source>
        <translation>¡Bienvenido a TimeWard!

TimeWard decide quién puede usar este ordenador, cuándo y durante cuánto tiempo.  Cada persona recibe un nombre de usuario, una contraseña y un tiempo que se renueva cada día, cada semana o cada mes, o tiempo ilimitado.

Como es la primera vez que se inicia TimeWard, ahora vas a crear el primer usuario.  Será un padre o una madre: podrá cambiar las opciones y añadir, editar y eliminar a los demás usuarios.

Pulsa Siguiente para empezar.</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
</context>
</TS>
