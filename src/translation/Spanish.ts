<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ApiExamples</name>
    <message>
        <source>Use a random proxy from any country</source>
        <translation>Usar un proxy aleatorio de cualquier país</translation>
    </message>
    <message>
        <source>Use a random proxy from the United States</source>
        <translation>Usar un proxy aleatorio de Estados Unidos</translation>
    </message>
    <message>
        <source>Use a random proxy from US, state: NewYork</source>
        <translation>Usar un proxy aleatorio de EE. UU., estado: NewYork</translation>
    </message>
    <message>
        <source>Use a random proxy from US, state: NewYork, city: New York</source>
        <translation>Usar un proxy aleatorio de EE. UU., estado: NewYork, ciudad: New York</translation>
    </message>
    <message>
        <source>Use a random proxy zip code is 000</source>
        <translation>Usar un proxy aleatorio con el código postal 000</translation>
    </message>
    <message>
        <source>Use the proxy of the specified isp operator, such as 000</source>
        <translation>Usar un proxy del operador ISP indicado, por ejemplo 000</translation>
    </message>
    <message>
        <source>Use random proxy from port 40010</source>
        <translation>Usar un proxy aleatorio en el puerto 40010</translation>
    </message>
    <message>
        <source>If you want to use a proxy with a specified IP segment, you can set it like this：</source>
        <translation>Para usar un proxy de un segmento IP concreto, configúrelo así:</translation>
    </message>
    <message>
        <source>Port 40000 uses a US proxy, port 40001 uses a Japanese proxy, and port 40002 uses a UK proxy</source>
        <translation>El puerto 40000 usa un proxy de EE. UU., el puerto 40001 uno de Japón y el puerto 40002 uno de Reino Unido</translation>
    </message>
    <message>
        <source>If you want different ports to use proxies from different countries, you can set it like this:</source>
        <translation>Para que distintos puertos usen proxies de distintos países, configúrelo así:</translation>
    </message>
    <message>
        <source>Free the specified port, for example free 40000, 40001, 40002 ports</source>
        <translation>Liberar los puertos indicados, por ejemplo los puertos 40000, 40001, 40002</translation>
    </message>
    <message>
        <source>If you want to free the port, you can use the free_port parameter: (Version 1.2.7 and above)</source>
        <translation>Para liberar puertos, use el parámetro free_port: (versión 1.2.7 o posterior)</translation>
    </message>
    <message>
        <source>Free all ports</source>
        <translation>Liberar todos los puertos</translation>
    </message>
    <message>
        <source>The starting port is 30,000, and the number of ports is 10. (The quantity limit is 99)</source>
        <translation>El puerto inicial es 30000 y el número de puertos es 10. (Límite: 99)</translation>
    </message>
    <message>
        <source>If you want to modify the number and range of the end mouth, you can operate this way. (Version 1.2.9 and above)</source>
        <translation>Para cambiar el número y el rango de puertos, hágalo así. (Versión 1.2.9 o posterior)</translation>
    </message>
    <message>
        <source>PARAMETER_ERROR_NUM</source>
        <translation>PARAMETER_ERROR_NUM</translation>
    </message>
    <message>
        <source>num parameter input error, please check</source>
        <translation>Valor del parámetro num incorrecto, compruébelo</translation>
    </message>
    <message>
        <source>PARAMETER_ERROR_IP_TIME</source>
        <translation>PARAMETER_ERROR_IP_TIME</translation>
    </message>
    <message>
        <source>The ip_time parameter is entered incorrectly, please enter 1 or 2 or 3</source>
        <translation>El parámetro ip_time es incorrecto, introduzca 1, 2 o 3</translation>
    </message>
    <message>
        <source>Error in initialization parameters:MacAdd</source>
        <translation>Error en los parámetros de inicialización: MacAdd</translation>
    </message>
    <message>
        <source>There is a problem with the client, please restart or reinstall</source>
        <translation>Hay un problema con el cliente, reinícielo o reinstálelo</translation>
    </message>
    <message>
        <source>Please set the allocation port first</source>
        <translation>Configure primero los puertos de asignación</translation>
    </message>
    <message>
        <source>No port set</source>
        <translation>No hay puertos configurados</translation>
    </message>
    <message>
        <source>Up to 10 IP of this type can be extracted at a time</source>
        <translation>Se pueden extraer hasta 10 IP de este tipo a la vez</translation>
    </message>
    <message>
        <source>The number of fetches exceeds the upper limit, and the static plan can fetch up to 10 at a time</source>
        <translation>La cantidad supera el límite; el plan estático permite extraer hasta 10 a la vez</translation>
    </message>
    <message>
        <source>The set port segment does not meet the extraction quantity</source>
        <translation>El rango de puertos configurado no alcanza para la cantidad a extraer</translation>
    </message>
    <message>
        <source>The number of extractions is too large, exceeding the set port range</source>
        <translation>La cantidad a extraer es demasiado grande y supera el rango de puertos configurado</translation>
    </message>
    <message>
        <source>Port not enabled</source>
        <translation>Puerto no habilitado</translation>
    </message>
    <message>
        <source>The currently set port is not enabled</source>
        <translation>El puerto configurado actualmente no está habilitado</translation>
    </message>
    <message>
        <source>Insufficient ip balance, please buy first</source>
        <translation>Saldo de IP insuficiente, compre primero</translation>
    </message>
    <message>
        <source>Account balance is exhausted, please recharge</source>
        <translation>El saldo de la cuenta se ha agotado, recargue</translation>
    </message>
    <message>
        <source>Failed to get IP, please try again later</source>
        <translation>No se pudo obtener la IP, inténtelo más tarde</translation>
    </message>
    <message>
        <source>The interface request failed, please check the network environment and try again</source>
        <translation>Error en la solicitud a la interfaz; compruebe la red e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>If the proxy cannot be obtained through the API, the following errors may occur and the reasons:</source>
        <translation>Si no se puede obtener el proxy mediante la API, pueden producirse los siguientes errores y sus causas:</translation>
    </message>
    <message>
        <source>country code</source>
        <translation>código de país</translation>
    </message>
</context>
<context>
    <name>ApiHistoryListView</name>
    <message>
        <source>BindIP</source>
        <translation>IP vinculada</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>BuyTime</source>
        <translation>Fecha de compra</translation>
    </message>
</context>
<context>
    <name>ApiHistoryPopup</name>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>ApiParameterModel</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>ILLUSTRATE</source>
        <translation>DESCRIPCIÓN</translation>
    </message>
    <message>
        <source>Get the number of proxies, ≤200</source>
        <translation>Número de proxies que obtener, ≤200</translation>
    </message>
    <message>
        <source>Country, default is all, </source>
        <translation>País, por defecto: todos, </translation>
    </message>
    <message>
        <source>State, default is all</source>
        <translation>Estado, por defecto: todos</translation>
    </message>
    <message>
        <source>City, default is all</source>
        <translation>Ciudad, por defecto: todas</translation>
    </message>
    <message>
        <source>Zip, default is all</source>
        <translation>Código postal, por defecto: todos</translation>
    </message>
    <message>
        <source>Isp, default is all</source>
        <translation>ISP, por defecto: todos</translation>
    </message>
    <message>
        <source>Package Type, default  is Popular Plan
1=Popular Plan, 3= Long Acting ISP Plan</source>
        <translation>Tipo de plan, por defecto: Plan popular
1=Plan popular, 3= Plan ISP de larga duración</translation>
    </message>
    <message>
        <source>Data Format
1=txt, 2=json</source>
        <translation>Formato de datos
1=txt, 2=json</translation>
    </message>
    <message>
        <source>Start port, default port is 30000</source>
        <translation>Puerto inicial, por defecto: 30000</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>OBLIGATORIO</translation>
    </message>
    <message>
        <source>country code</source>
        <translation>código de país</translation>
    </message>
</context>
<context>
    <name>BatchDisconnectPopup</name>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>After connection, the mobile device immediately start the proxy</source>
        <translation>Tras la conexión, el dispositivo móvil inicia el proxy de inmediato</translation>
    </message>
    <message>
        <source>After disconnection, the mobile device immediately stops the proxy</source>
        <translation>Tras la desconexión, el dispositivo móvil detiene el proxy de inmediato</translation>
    </message>
    <message>
        <source>Device selected:</source>
        <translation>Dispositivos seleccionados:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
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
    <name>DisconnectCheck</name>
    <message>
        <source>Click to disconnect</source>
        <translation>Clic para desconectar</translation>
    </message>
    <message>
        <source>Click to connect</source>
        <translation>Clic para conectar</translation>
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
    <name>EquipmentLineModel</name>
    <message>
        <source>Renew</source>
        <translation>Renovar</translation>
    </message>
</context>
<context>
    <name>EquipmentModel</name>
    <message>
        <source>Online</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Caído</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Configurar</translation>
    </message>
</context>
<context>
    <name>FieldCheck</name>
    <message>
        <source>Enter a whole number from 1 to 200</source>
        <translation>Introduzca un número entero del 1 al 200</translation>
    </message>
    <message>
        <source>Enter one to four numbers from 0 to 255, separated by dots</source>
        <translation>Introduzca de uno a cuatro números del 0 al 255, separados por puntos</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535</source>
        <translation>Introduzca un puerto del 1 al 65535</translation>
    </message>
    <message>
        <source>This port belongs to the proxy ports</source>
        <translation>Este puerto pertenece a los puertos de proxy</translation>
    </message>
    <message>
        <source>Enter whole minutes from 5 to 720</source>
        <translation>Introduzca minutos enteros del 5 al 720</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>El archivo no existe</translation>
    </message>
    <message>
        <source>Choose a file, not a folder</source>
        <translation>Elija un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>The file is not a program that can run</source>
        <translation>El archivo no es un programa ejecutable</translation>
    </message>
</context>
<context>
    <name>FileDialogDefault</name>
    <message>
        <source>Select Program</source>
        <translation>Seleccionar programa</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>HeldLinePage</name>
    <message>
        <source>Successfully</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>No se encontraron proxies que coincidan.</translation>
    </message>
    <message>
        <source>go to use</source>
        <translation>ir a usar</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>Lista de reenvío de puertos</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>IP del proxy</translation>
    </message>
    <message>
        <source>TimeType</source>
        <translation>Tipo de duración</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>C.P.</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Buy Time</source>
        <translation>Fecha de compra</translation>
    </message>
</context>
<context>
    <name>HeldLineRow</name>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Verdadero</translation>
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
        <source>The line list could not be loaded.</source>
        <translation>No se pudo cargar la lista de líneas.</translation>
    </message>
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
    <name>LocationFilterBar</name>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>US</source>
        <translation>US</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>New York</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>ISP:</source>
        <translation>ISP:</translation>
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
        <translation>Código postal:</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>91***</source>
        <translation>91***</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>Navegador antidetección</translation>
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
        <translation>Inicio automático</translation>
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
    <name>PlanNames</name>
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
        <source>Traffic Plan</source>
        <translation>Plan por tráfico</translation>
    </message>
</context>
<context>
    <name>PopupBindPort</name>
    <message>
        <source> (Used)</source>
        <translation> (en uso)</translation>
    </message>
    <message>
        <source> (Free)</source>
        <translation> (libre)</translation>
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
    <name>PopupEquipmentLine</name>
    <message>
        <source>Successfully</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>No se encontraron proxies que coincidan.</translation>
    </message>
    <message>
        <source>Select Proxy</source>
        <translation>Seleccionar proxy</translation>
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
        <source>Static ISP Proxy</source>
        <translation>Proxy ISP estático</translation>
    </message>
    <message>
        <source>Proxy History</source>
        <translation>Historial de proxies</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Different proxies for different device</source>
        <translation>Proxies distintos para cada dispositivo</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>New York</translation>
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
    <name>PopupForwared</name>
    <message>
        <source>Globle connect</source>
        <translation>Conexión global</translation>
    </message>
    <message>
        <source>Program connect</source>
        <translation>Conexión por programa</translation>
    </message>
    <message>
        <source>Forward Port To Proxy</source>
        <translation>Reenviar puerto al proxy</translation>
    </message>
    <message>
        <source>Forward </source>
        <translation>Reenviar </translation>
    </message>
    <message>
        <source>Remove from FavoriteList</source>
        <translation>Quitar de favoritos</translation>
    </message>
    <message>
        <source>Add to FavoriteList</source>
        <translation>Añadir a favoritos</translation>
    </message>
</context>
<context>
    <name>PopupModel</name>
    <message>
        <source>Tips</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Confirm this operation?</source>
        <translation>¿Confirmar esta operación?</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Deduct IP:</source>
        <translation>IP descontadas:</translation>
    </message>
    <message>
        <source>This port range no longer exists; please choose one again.</source>
        <translation>Este rango de puertos ya no existe; elija otro.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Now IP:</source>
        <translation>IP actual:</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Extrayendo</translation>
    </message>
    <message>
        <source>Processing:</source>
        <translation>Procesando:</translation>
    </message>
    <message>
        <source>Extract IP Is Completed</source>
        <translation>Extracción de IP completada</translation>
    </message>
    <message>
        <source>Success:</source>
        <translation>Correctos:</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>Fallidos:</translation>
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
    <message>
        <source>Choose a notice on the left to read it</source>
        <translation>Elija un aviso a la izquierda para leerlo</translation>
    </message>
</context>
<context>
    <name>PortForwardList</name>
    <message>
        <source>Local IP</source>
        <translation>IP local</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>BindIP</source>
        <translation>IP vinculada</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy Success</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Forward List</source>
        <translation>Lista de reenvío</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>En uso</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>The current list is empty</source>
        <translation>La lista actual está vacía</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Free All</source>
        <translation>Liberar todos</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar todo</translation>
    </message>
    <message>
        <source>Free</source>
        <comment>action</comment>
        <translation>Liberar</translation>
    </message>
</context>
<context>
    <name>ProgramHistoryListView</name>
    <message>
        <source>LocalIp</source>
        <translation>IP local</translation>
    </message>
    <message>
        <source>BindIP</source>
        <translation>IP vinculada</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
</context>
<context>
    <name>ProgramHistoryPopup</name>
    <message>
        <source>No proxy used for programs yet</source>
        <translation>Aún no se ha usado ningún proxy para programas</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>ProgramMenuPopup</name>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Romove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Go ProxyList</source>
        <translation>Ir a la lista de proxies</translation>
    </message>
</context>
<context>
    <name>ProgramRect</name>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Add application</source>
        <translation>Añadir aplicación</translation>
    </message>
    <message>
        <source>How to use?</source>
        <translation>¿Cómo se usa?</translation>
    </message>
    <message>
        <source>&quot;Run&quot; starts a program with its proxy variables set to the connected exit; programs that ignore them go out directly.</source>
        <translation>«Ejecutar» inicia un programa con sus variables de proxy apuntando a la salida conectada; los programas que las ignoran salen directamente.</translation>
    </message>
    <message>
        <source>click &quot;Browse&quot; to select the application</source>
        <translation>haga clic en «Examinar» para elegir la aplicación</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Automatically switch IP:</source>
        <translation>Cambiar IP automáticamente:</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>Close the program before switching IP</source>
        <translation>Cerrar el programa antes de cambiar de IP</translation>
    </message>
    <message>
        <source>Turn off automatic proxy</source>
        <translation>Desactivar proxy automático</translation>
    </message>
    <message>
        <source>Turn on automatic proxy</source>
        <translation>Activar proxy automático</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Custom Proxy History</source>
        <translation>Historial de proxies personalizados</translation>
    </message>
</context>
<context>
    <name>ProxyLineModel</name>
    <message>
        <source>Renew</source>
        <translation>Renovar</translation>
    </message>
</context>
<context>
    <name>ProxyListPage</name>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>No se encontraron proxies que coincidan.</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>IP del proxy</translation>
    </message>
    <message>
        <source>Expiration time</source>
        <translation>Fecha de caducidad</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>Lista de reenvío de puertos</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
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
    <name>RectAPISecond</name>
    <message>
        <source>Successfully</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>API Proxy History</source>
        <translation>Historial de proxies de API</translation>
    </message>
    <message>
        <source>Package Type:  </source>
        <translation>Tipo de plan:  </translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>Plan popular</translation>
    </message>
    <message>
        <source>IP Extraction:  </source>
        <translation>Extracción de IP:  </translation>
    </message>
    <message>
        <source>Location:   </source>
        <translation>Ubicación:   </translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Other:  </source>
        <translation>Otros:  </translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>API Port:   </source>
        <translation>Puerto de API:   </translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>After modication,please click the [Restart] button</source>
        <translation>Tras modificarlo, haga clic en el botón [Reiniciar]</translation>
    </message>
    <message>
        <source>API Link:   </source>
        <translation>Enlace de API:   </translation>
    </message>
    <message>
        <source>Click the Start Proxy button to view the link.</source>
        <translation>Haga clic en el botón Iniciar proxy para ver el enlace.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Abrir enlace</translation>
    </message>
    <message>
        <source>Tips: In API mode, the number of IPs is deducted when the proxy list is successfully obtained.</source>
        <translation>Aviso: en modo API, el número de IP se descuenta al obtener correctamente la lista de proxies.</translation>
    </message>
    <message>
        <source>API Parameter Declaration:</source>
        <translation>Descripción de los parámetros de API:</translation>
    </message>
    <message>
        <source>You can use the parameter like this</source>
        <translation>Puede usar el parámetro así</translation>
    </message>
    <message>
        <source>API Guide</source>
        <translation>Guía de API</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>Lista de reenvío de puertos</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>RectEquimentLine</name>
    <message>
        <source>Random</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>IP del proxy</translation>
    </message>
    <message>
        <source>Expiration time</source>
        <translation>Fecha de caducidad</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>No se encontraron proxies que coincidan.</translation>
    </message>
</context>
<context>
    <name>RectEquimentLineHistory</name>
    <message>
        <source>Random</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Verdadero</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>IP del proxy</translation>
    </message>
    <message>
        <source>TimeType</source>
        <translation>Tipo de duración</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Buy Time</source>
        <translation>Fecha de compra</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>No se encontraron proxies que coincidan.</translation>
    </message>
    <message>
        <source>Proxy history is empty,</source>
        <translation>El historial de proxies está vacío,</translation>
    </message>
</context>
<context>
    <name>RectEquipment</name>
    <message>
        <source>Please select the device that needs to be sited</source>
        <translation>Seleccione los dispositivos que desea configurar</translation>
    </message>
    <message>
        <source>Please select the device that needs to be noted</source>
        <translation>Seleccione los dispositivos a los que añadir una nota</translation>
    </message>
    <message>
        <source>Device is binding...</source>
        <translation>Vinculando dispositivo...</translation>
    </message>
    <message>
        <source>Device is disconnecting...</source>
        <translation>Desconectando dispositivo...</translation>
    </message>
    <message>
        <source>Device is connecting...</source>
        <translation>Conectando dispositivo...</translation>
    </message>
    <message>
        <source>Device is remarking...</source>
        <translation>Guardando nota...</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Lista de dispositivos</translation>
    </message>
    <message>
        <source>How to use group control?</source>
        <translation>¿Cómo usar el control de grupo?</translation>
    </message>
    <message>
        <source>Device Status</source>
        <translation>Estado del dispositivo</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Connection Status</source>
        <translation>Estado de conexión</translation>
    </message>
    <message>
        <source>Enter device name to search</source>
        <translation>Buscar dispositivo</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nombre del dispositivo</translation>
    </message>
    <message>
        <source>Proxy Ip</source>
        <translation>IP del proxy</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>No devices are currently added</source>
        <translation>Todavía no se ha añadido ningún dispositivo</translation>
    </message>
    <message>
        <source>No device matching search criteria found.</source>
        <translation>No se encontró ningún dispositivo que coincida con la búsqueda.</translation>
    </message>
    <message>
        <source>Don&apos;t know how to add a device?</source>
        <translation>¿No sabe cómo añadir un dispositivo?</translation>
    </message>
    <message>
        <source>View detailed tutorial</source>
        <translation>Ver tutorial detallado</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Seleccionados:</translation>
    </message>
    <message>
        <source>Batch settings</source>
        <translation>Configuración en lote</translation>
    </message>
    <message>
        <source>Batch Connection</source>
        <translation>Conexión en lote</translation>
    </message>
    <message>
        <source>Please select the device that needs to be connected</source>
        <translation>Seleccione los dispositivos que desea conectar</translation>
    </message>
    <message>
        <source>Batch Disconnection</source>
        <translation>Desconexión en lote</translation>
    </message>
    <message>
        <source>Please select the device that needs to be disconnected</source>
        <translation>Seleccione los dispositivos que desea desconectar</translation>
    </message>
    <message>
        <source>Batch Notes</source>
        <translation>Notas en lote</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>RectFavoriteList</name>
    <message>
        <source>Favouritelist is empty,</source>
        <translation>La lista de favoritos está vacía,</translation>
    </message>
</context>
<context>
    <name>RectProxyList</name>
    <message>
        <source>There is no Static ISP Proxy,</source>
        <translation>No hay ningún proxy ISP estático,</translation>
    </message>
    <message>
        <source>buy now</source>
        <translation>comprar ahora</translation>
    </message>
</context>
<context>
    <name>RectSettings</name>
    <message>
        <source>Begin Port 1-65534</source>
        <translation>Puerto inicial 1-65534</translation>
    </message>
    <message>
        <source>Port Number 1-200, Begin Port + Port Number ≤ 65535</source>
        <translation>Número de puertos 1-200, Puerto inicial + Número de puertos ≤ 65535</translation>
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
        <source>Not turned on: a start entry cannot name this program&apos;s folder, or could not be written</source>
        <translation>No activado: una entrada de inicio no puede nombrar la carpeta de este programa, o no se pudo escribir</translation>
    </message>
    <message>
        <source>Not turned off: the start entry could not be removed</source>
        <translation>No desactivado: no se pudo eliminar la entrada de inicio</translation>
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
    <name>RectTodayList</name>
    <message>
        <source>Todaylist is empty,</source>
        <translation>La lista de hoy está vacía,</translation>
    </message>
</context>
<context>
    <name>RemarkPopup</name>
    <message>
        <source>Remark</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Please enter a remark</source>
        <translation>Introduzca una nota</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>Aceptar</translation>
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
        <source>The new version could not be downloaded.</source>
        <translation>No se pudo descargar la nueva versión.</translation>
    </message>
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
    <message>
        <source>new</source>
        <translation>nuevo</translation>
    </message>
</context>
</TS>
