<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CdkPopup</name>
    <message>
        <source>Please input your CDKEY</source>
        <translation>Introduzca su CDKEY</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Redeem CDKEY</source>
        <translation>Canjear CDKEY</translation>
    </message>
    <message>
        <source>Please enter CDKEY</source>
        <translation>Introduzca el CDKEY</translation>
    </message>
    <message>
        <source>How to generate?</source>
        <translation>¿Cómo generarlo?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>ComboBoxApiMeal</name>
    <message>
        <source>Popular Plan</source>
        <translation>Plan popular</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Plan ISP de larga duración</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Proxy ISP estático</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatorio</translation>
    </message>
</context>
<context>
    <name>ComboBoxCountry</name>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceCountry</name>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceStatus</name>
    <message>
        <source>Offline</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Caído</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>ComboBoxEquipmentCountry</name>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
</context>
<context>
    <name>ComboCategory</name>
    <message>
        <source>Please select</source>
        <translation>Seleccione</translation>
    </message>
</context>
<context>
    <name>ComboLocation</name>
    <message>
        <source>e.g., US</source>
        <translation>p. ej., US</translation>
    </message>
</context>
<context>
    <name>EditLogin</name>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
</context>
<context>
    <name>InterfacePost</name>
    <message>
        <source>The line is no longer listed.</source>
        <translation>Esta línea ya no está disponible.</translation>
    </message>
    <message>
        <source>The local engine could not be reached.</source>
        <translation>No se pudo conectar con el motor local.</translation>
    </message>
    <message>
        <source>Your data plan is insufficient,please renew.</source>
        <translation>Su plan de datos es insuficiente, renuévelo.</translation>
    </message>
    <message>
        <source>Your IP number is insufficient,please renew.</source>
        <translation>Su número de IP es insuficiente, renuévelo.</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>La lista de programas está vacía, ¡añada primero un programa!</translation>
    </message>
</context>
<context>
    <name>InterfaceRecv</name>
    <message>
        <source>Please start BitBrowser first</source>
        <translation>Inicie primero BitBrowser</translation>
    </message>
    <message>
        <source>The service could not be reached. Please try again.</source>
        <translation>No se pudo conectar con el servicio. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>upload failed</source>
        <translation>error al subir</translation>
    </message>
    <message>
        <source>Submit failed</source>
        <translation>Error al enviar</translation>
    </message>
    <message>
        <source>Redeem failed</source>
        <translation>Error al canjear</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your account and try again.</source>
        <translation>Error al iniciar sesión. Compruebe su cuenta e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Please enter email or username</source>
        <translation>Introduzca su correo o nombre de usuario</translation>
    </message>
    <message>
        <source>Please enter password</source>
        <translation>Introduzca la contraseña</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Please enter account or email</source>
        <translation>Introduzca su cuenta o correo</translation>
    </message>
    <message>
        <source>Auto Log In</source>
        <translation>Inicio de sesión automático</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>¿Olvidó su contraseña?</translation>
    </message>
    <message>
        <source>Or login with</source>
        <translation>O inicie sesión con</translation>
    </message>
    <message>
        <source>Not registered yet ?  </source>
        <translation>¿Aún no está registrado?  </translation>
    </message>
    <message>
        <source>Creat an Account</source>
        <translation>Crear una cuenta</translation>
    </message>
</context>
<context>
    <name>PopupBrowser</name>
    <message>
        <source>Unnamed</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>Successfully!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>Navegador antidetección</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Anti-detection browser:</source>
        <translation>Navegador antidetección:</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Browser profiles:</source>
        <translation>Perfiles del navegador:</translation>
    </message>
    <message>
        <source>Please get the latest list</source>
        <translation>Obtenga la lista más reciente</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>*The browser list has changed, or this function is used for the first time, please synchronize the latest list</source>
        <translation>*La lista de navegadores ha cambiado o es la primera vez que usa esta función; sincronice la lista más reciente</translation>
    </message>
    <message>
        <source>Automatically restart the browser when the proxy changes</source>
        <translation>Reiniciar automáticamente el navegador al cambiar el proxy</translation>
    </message>
    <message>
        <source>Clear Cookies Before Launch</source>
        <translation>Borrar cookies antes de iniciar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save &amp; Close</source>
        <translation>Guardar &amp; cerrar</translation>
    </message>
</context>
<context>
    <name>PopupFeedback</name>
    <message>
        <source>Please selete category</source>
        <translation>Seleccione una categoría</translation>
    </message>
    <message>
        <source>Please input your email</source>
        <translation>Introduzca su correo electrónico</translation>
    </message>
    <message>
        <source>Please input your problem</source>
        <translation>Describa su problema</translation>
    </message>
    <message>
        <source>Thanks! We have received your feedback.</source>
        <translation>¡Gracias! Hemos recibido sus comentarios.</translation>
    </message>
    <message>
        <source>Select Picture</source>
        <translation>Seleccionar imagen</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Fill in the fields bellow and one of our support agents will personally get back to you very soon.</source>
        <translation>Rellene los campos siguientes y uno de nuestros agentes de soporte se pondrá en contacto con usted muy pronto.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Your email</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Enter your email</source>
        <translation>Introduzca su correo</translation>
    </message>
    <message>
        <source>What&apos;s the problem?</source>
        <translation>¿Cuál es el problema?</translation>
    </message>
    <message>
        <source>Describe your problem</source>
        <translation>Describa su problema</translation>
    </message>
    <message>
        <source>Add picture(Upload up to 3)</source>
        <translation>Añadir imagen (hasta 3)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
</context>
<context>
    <name>PopupNotice</name>
    <message>
        <source>Notice</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>No notification yet</source>
        <translation>Aún no hay notificaciones</translation>
    </message>
</context>
<context>
    <name>ProxyManager</name>
    <message>
        <source>No free local port</source>
        <translation>No hay ningún puerto local libre</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>Connect the program to a proxy first</source>
        <translation>Primero conecte el programa a un proxy</translation>
    </message>
    <message>
        <source>This file cannot be run</source>
        <translation>Este archivo no se puede ejecutar</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>La lista de programas está vacía, ¡añada primero un programa!</translation>
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
        <translation>Recargar</translation>
    </message>
</context>
<context>
    <name>RectSettings</name>
    <message>
        <source>Begin Port</source>
        <translation>Puerto inicial</translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Número de puertos</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>No guardado: %1</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Ajustes generales</translation>
    </message>
    <message>
        <source>Begin Port:</source>
        <translation>Puerto inicial:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Número de puertos:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Do not remove duplicate Proxies</source>
        <translation>No eliminar proxies duplicados</translation>
    </message>
    <message>
        <source>Purchased proxies may appear when refreshing the ProxyList</source>
        <translation>Los proxies comprados pueden aparecer al actualizar la lista de proxies</translation>
    </message>
    <message>
        <source>Remove duplicate proxies,No duplicate proxies will be acquired within</source>
        <translation>Eliminar proxies duplicados: no se obtendrán proxies duplicados durante</translation>
    </message>
    <message>
        <source>Once set, purchased proxies will no longer appear when refreshing the ProxyList</source>
        <translation>Una vez activado, los proxies comprados ya no aparecerán al actualizar la lista de proxies</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Automatically launch Qel Proxy when you turn on your device:</source>
        <translation>Iniciar Qel Proxy automáticamente al encender el dispositivo:</translation>
    </message>
</context>
<context>
    <name>SearchManager</name>
    <message>
        <source>Popular Plan</source>
        <translation>Plan popular</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Plan ISP de larga duración</translation>
    </message>
</context>
<context>
    <name>TipsCustomPopup</name>
    <message>
        <source>Tips</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Recharge Now</source>
        <translation>Recargar ahora</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>UpdatePopup</name>
    <message>
        <source>Update Prompt</source>
        <translation>Aviso de actualización</translation>
    </message>
    <message>
        <source>New version found V</source>
        <translation>Nueva versión encontrada V</translation>
    </message>
    <message>
        <source>Update anomalies?</source>
        <translation>¿Problemas al actualizar?</translation>
    </message>
    <message>
        <source>To the website</source>
        <translation>Ir al sitio web</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>This is the latest version!</source>
        <translation>¡Esta es la versión más reciente!</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The client version you are using has been disabled. Please download and install again from the offical website.</source>
        <translation>La versión del cliente que usa ha sido desactivada. Descárguela e instálela de nuevo desde el sitio web oficial.</translation>
    </message>
    <message>
        <source>Go Now</source>
        <translation>Ir ahora</translation>
    </message>
    <message>
        <source>Updating......</source>
        <translation>Actualizando......</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Sitio web oficial</translation>
    </message>
    <message>
        <source>The new version was downloaded and saved to:</source>
        <translation>La nueva versión se ha descargado y guardado en:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>WebRecv</name>
    <message>
        <source>Only web pages can be opened.</source>
        <translation>Solo se pueden abrir páginas web.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="vanished">Versión</translation>
    </message>
    <message>
        <source>The proxy has expired and cannot be renewed</source>
        <translation>El proxy ha caducado y no se puede renovar</translation>
    </message>
    <message>
        <source>Hello World</source>
        <translation>Hola mundo</translation>
    </message>
    <message>
        <source>发送消息</source>
        <translation>Enviar mensaje</translation>
    </message>
</context>
<context>
    <name>mainLoader</name>
    <message>
        <source>Function</source>
        <translation>Funciones</translation>
    </message>
    <message>
        <source>Proxy List</source>
        <translation>Lista de proxies</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Proxy ISP estático</translation>
    </message>
    <message>
        <source>Today List</source>
        <translation>Lista de hoy</translation>
    </message>
    <message>
        <source>Favorite List</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>API</source>
        <translation>API</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>Group Control</source>
        <translation>Control de grupo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>New Version is Online,</source>
        <translation>Nueva versión disponible,</translation>
    </message>
    <message>
        <source>Update Immediately</source>
        <translation>Actualizar ya</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Local Proxy:</source>
        <translation>Proxy local:</translation>
    </message>
    <message>
        <source>Local IP:</source>
        <translation>IP local:</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>Plan popular</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Plan ISP de larga duración</translation>
    </message>
    <message>
        <source>Traffic Plan</source>
        <translation>Plan por tráfico</translation>
    </message>
    <message>
        <source>Dedicated Static IP</source>
        <translation>IP estática dedicada</translation>
    </message>
    <message>
        <source>Datacenter Proxy</source>
        <translation>Proxy de centro de datos</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Código de país</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Please use in non Chinese Mainland environment</source>
        <translation>Úselo fuera de China continental</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Socios</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Cerrar sesión</translation>
    </message>
</context>
</TS>
