<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ApiExamples</name>
    <message>
        <source>Use a random proxy from any country</source>
        <translation>Использовать случайный прокси из любой страны</translation>
    </message>
    <message>
        <source>Use a random proxy from the United States</source>
        <translation>Использовать случайный прокси из США</translation>
    </message>
    <message>
        <source>Use a random proxy from US, state: NewYork</source>
        <translation>Использовать случайный прокси из US, штат: NewYork</translation>
    </message>
    <message>
        <source>Use a random proxy from US, state: NewYork, city: New York</source>
        <translation>Использовать случайный прокси из US, штат: NewYork, город: New York</translation>
    </message>
    <message>
        <source>Use a random proxy zip code is 000</source>
        <translation>Использовать случайный прокси с индексом 000</translation>
    </message>
    <message>
        <source>Use the proxy of the specified isp operator, such as 000</source>
        <translation>Использовать прокси указанного провайдера (ISP), например 000</translation>
    </message>
    <message>
        <source>Use random proxy from port 40010</source>
        <translation>Использовать случайный прокси с порта 40010</translation>
    </message>
    <message>
        <source>If you want to use a proxy with a specified IP segment, you can set it like this：</source>
        <translation>Чтобы использовать прокси из указанного диапазона IP, задайте так:</translation>
    </message>
    <message>
        <source>Port 40000 uses a US proxy, port 40001 uses a Japanese proxy, and port 40002 uses a UK proxy</source>
        <translation>Порт 40000 использует прокси США, порт 40001 — прокси Японии, порт 40002 — прокси Великобритании</translation>
    </message>
    <message>
        <source>If you want different ports to use proxies from different countries, you can set it like this:</source>
        <translation>Чтобы разные порты использовали прокси из разных стран, задайте так:</translation>
    </message>
    <message>
        <source>Free the specified port, for example free 40000, 40001, 40002 ports</source>
        <translation>Освободить указанные порты, например 40000, 40001, 40002</translation>
    </message>
    <message>
        <source>If you want to free the port, you can use the free_port parameter: (Version 1.2.7 and above)</source>
        <translation>Чтобы освободить порт, используйте параметр free_port: (версия 1.2.7 и выше)</translation>
    </message>
    <message>
        <source>Free all ports</source>
        <translation>Освободить все порты</translation>
    </message>
    <message>
        <source>The starting port is 30,000, and the number of ports is 10. (The quantity limit is 99)</source>
        <translation>Начальный порт — 30000, количество портов — 10. (Не более 99)</translation>
    </message>
    <message>
        <source>If you want to modify the number and range of the end mouth, you can operate this way. (Version 1.2.9 and above)</source>
        <translation>Чтобы изменить количество и диапазон портов, сделайте так. (Версия 1.2.9 и выше)</translation>
    </message>
    <message>
        <source>PARAMETER_ERROR_NUM</source>
        <translation>PARAMETER_ERROR_NUM</translation>
    </message>
    <message>
        <source>num parameter input error, please check</source>
        <translation>Неверно указан параметр num, проверьте его</translation>
    </message>
    <message>
        <source>PARAMETER_ERROR_IP_TIME</source>
        <translation>PARAMETER_ERROR_IP_TIME</translation>
    </message>
    <message>
        <source>The ip_time parameter is entered incorrectly, please enter 1 or 2 or 3</source>
        <translation>Неверно указан параметр ip_time, введите 1, 2 или 3</translation>
    </message>
    <message>
        <source>Error in initialization parameters:MacAdd</source>
        <translation>Ошибка параметров инициализации: MacAdd</translation>
    </message>
    <message>
        <source>There is a problem with the client, please restart or reinstall</source>
        <translation>Проблема с клиентом, перезапустите или переустановите его</translation>
    </message>
    <message>
        <source>Please set the allocation port first</source>
        <translation>Сначала настройте выделяемые порты</translation>
    </message>
    <message>
        <source>No port set</source>
        <translation>Порт не задан</translation>
    </message>
    <message>
        <source>Up to 10 IP of this type can be extracted at a time</source>
        <translation>За раз можно извлечь не более 10 IP этого типа</translation>
    </message>
    <message>
        <source>The number of fetches exceeds the upper limit, and the static plan can fetch up to 10 at a time</source>
        <translation>Превышен лимит извлечения: статический тариф позволяет получить не более 10 за раз</translation>
    </message>
    <message>
        <source>The set port segment does not meet the extraction quantity</source>
        <translation>Заданного диапазона портов недостаточно для извлекаемого количества</translation>
    </message>
    <message>
        <source>The number of extractions is too large, exceeding the set port range</source>
        <translation>Слишком большое количество: превышен заданный диапазон портов</translation>
    </message>
    <message>
        <source>Port not enabled</source>
        <translation>Порт не включён</translation>
    </message>
    <message>
        <source>The currently set port is not enabled</source>
        <translation>Текущий заданный порт не включён</translation>
    </message>
    <message>
        <source>Insufficient ip balance, please buy first</source>
        <translation>Недостаточно IP на балансе, сначала купите их</translation>
    </message>
    <message>
        <source>Account balance is exhausted, please recharge</source>
        <translation>Баланс счёта исчерпан, пополните его</translation>
    </message>
    <message>
        <source>Failed to get IP, please try again later</source>
        <translation>Не удалось получить IP, повторите попытку позже</translation>
    </message>
    <message>
        <source>The interface request failed, please check the network environment and try again</source>
        <translation>Ошибка запроса к API, проверьте подключение к сети и повторите попытку</translation>
    </message>
    <message>
        <source>If the proxy cannot be obtained through the API, the following errors may occur and the reasons:</source>
        <translation>Если прокси не удаётся получить через API, возможны следующие ошибки и их причины:</translation>
    </message>
    <message>
        <source>country code</source>
        <translation>код страны</translation>
    </message>
</context>
<context>
    <name>ApiHistoryListView</name>
    <message>
        <source>BindIP</source>
        <translation>Привязанный IP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Штат</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>BuyTime</source>
        <translation>Время покупки</translation>
    </message>
</context>
<context>
    <name>ApiHistoryPopup</name>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>ApiParameterModel</name>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>ILLUSTRATE</source>
        <translation>ОПИСАНИЕ</translation>
    </message>
    <message>
        <source>Get the number of proxies, ≤200</source>
        <translation>Количество получаемых прокси, ≤200</translation>
    </message>
    <message>
        <source>Country, default is all, </source>
        <translation>Страна, по умолчанию все, </translation>
    </message>
    <message>
        <source>State, default is all</source>
        <translation>Штат, по умолчанию все</translation>
    </message>
    <message>
        <source>City, default is all</source>
        <translation>Город, по умолчанию все</translation>
    </message>
    <message>
        <source>Zip, default is all</source>
        <translation>Индекс, по умолчанию все</translation>
    </message>
    <message>
        <source>Isp, default is all</source>
        <translation>Провайдер (ISP), по умолчанию все</translation>
    </message>
    <message>
        <source>Package Type, default  is Popular Plan
1=Popular Plan, 3= Long Acting ISP Plan</source>
        <translation>Тип тарифа, по умолчанию — Популярный тариф
1=Популярный тариф, 3=Долгосрочный ISP-тариф</translation>
    </message>
    <message>
        <source>Data Format
1=txt, 2=json</source>
        <translation>Формат данных
1=txt, 2=json</translation>
    </message>
    <message>
        <source>Start port, default port is 30000</source>
        <translation>Начальный порт, по умолчанию 30000</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>НАЗВАНИЕ</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>ОБЯЗАТЕЛЬНЫЙ</translation>
    </message>
    <message>
        <source>country code</source>
        <translation>код страны</translation>
    </message>
</context>
<context>
    <name>BatchDisconnectPopup</name>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>After connection, the mobile device immediately start the proxy</source>
        <translation>После подключения мобильное устройство сразу запустит прокси</translation>
    </message>
    <message>
        <source>After disconnection, the mobile device immediately stops the proxy</source>
        <translation>После отключения мобильное устройство сразу остановит прокси</translation>
    </message>
    <message>
        <source>Device selected:</source>
        <translation>Выбрано устройств:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
</context>
<context>
    <name>CdkPopup</name>
    <message>
        <source>Please input your CDKEY</source>
        <translation>Введите ваш CDKEY</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>Redeem CDKEY</source>
        <translation>Активировать CDKEY</translation>
    </message>
    <message>
        <source>Please enter CDKEY</source>
        <translation>Введите CDKEY</translation>
    </message>
    <message>
        <source>How to generate?</source>
        <translation>Как получить?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
</context>
<context>
    <name>ComboBoxApiMeal</name>
    <message>
        <source>Random</source>
        <translation>Случайно</translation>
    </message>
</context>
<context>
    <name>ComboBoxCountry</name>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceCountry</name>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceStatus</name>
    <message>
        <source>Offline</source>
        <translation>Не в сети</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>В сети</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
</context>
<context>
    <name>ComboBoxEquipmentCountry</name>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
</context>
<context>
    <name>ComboCategory</name>
    <message>
        <source>Please select</source>
        <translation>Выберите</translation>
    </message>
</context>
<context>
    <name>ComboLocation</name>
    <message>
        <source>e.g., US</source>
        <translation>напр., US</translation>
    </message>
</context>
<context>
    <name>DisconnectCheck</name>
    <message>
        <source>Click to disconnect</source>
        <translation>Нажмите, чтобы отключить</translation>
    </message>
    <message>
        <source>Click to connect</source>
        <translation>Нажмите, чтобы подключить</translation>
    </message>
</context>
<context>
    <name>EditLogin</name>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
</context>
<context>
    <name>EquipmentLineModel</name>
    <message>
        <source>Renew</source>
        <translation>Продлить</translation>
    </message>
</context>
<context>
    <name>EquipmentModel</name>
    <message>
        <source>Online</source>
        <translation>В сети</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Не в сети</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Настроить</translation>
    </message>
</context>
<context>
    <name>FieldCheck</name>
    <message>
        <source>Enter a whole number from 1 to 200</source>
        <translation>Введите целое число от 1 до 200</translation>
    </message>
    <message>
        <source>Enter one to four numbers from 0 to 255, separated by dots</source>
        <translation>Введите от одного до четырёх чисел от 0 до 255 через точку</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535</source>
        <translation>Введите порт от 1 до 65535</translation>
    </message>
    <message>
        <source>This port belongs to the proxy ports</source>
        <translation>Этот порт входит в диапазон прокси-портов</translation>
    </message>
    <message>
        <source>Enter whole minutes from 5 to 720</source>
        <translation>Введите целое число минут от 5 до 720</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>Файл не существует</translation>
    </message>
    <message>
        <source>Choose a file, not a folder</source>
        <translation>Выберите файл, а не папку</translation>
    </message>
    <message>
        <source>The file is not a program that can run</source>
        <translation>Этот файл не является исполняемой программой</translation>
    </message>
</context>
<context>
    <name>FileDialogDefault</name>
    <message>
        <source>Select Program</source>
        <translation>Выбор программы</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>HeldLinePage</name>
    <message>
        <source>Successfully</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Подходящие прокси не найдены.</translation>
    </message>
    <message>
        <source>go to use</source>
        <translation>перейти к использованию</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>Список переадресации портов</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>IP прокси</translation>
    </message>
    <message>
        <source>TimeType</source>
        <translation>Тип срока</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Штат</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>В сети</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Buy Time</source>
        <translation>Время покупки</translation>
    </message>
</context>
<context>
    <name>HeldLineRow</name>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Да</translation>
    </message>
</context>
<context>
    <name>InterfacePost</name>
    <message>
        <source>The line is no longer listed.</source>
        <translation>Эта линия больше недоступна.</translation>
    </message>
    <message>
        <source>The local engine could not be reached.</source>
        <translation>Не удалось связаться с локальным модулем.</translation>
    </message>
    <message>
        <source>Your data plan is insufficient,please renew.</source>
        <translation>Недостаточно трафика, продлите тариф.</translation>
    </message>
    <message>
        <source>Your IP number is insufficient,please renew.</source>
        <translation>Недостаточно IP, продлите тариф.</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>Список программ пуст, сначала добавьте программу!</translation>
    </message>
</context>
<context>
    <name>InterfaceRecv</name>
    <message>
        <source>The line list could not be loaded.</source>
        <translation>Не удалось загрузить список линий.</translation>
    </message>
    <message>
        <source>Please start BitBrowser first</source>
        <translation>Сначала запустите BitBrowser</translation>
    </message>
    <message>
        <source>The service could not be reached. Please try again.</source>
        <translation>Сервис недоступен. Повторите попытку.</translation>
    </message>
    <message>
        <source>upload failed</source>
        <translation>ошибка загрузки</translation>
    </message>
    <message>
        <source>Submit failed</source>
        <translation>Не удалось отправить</translation>
    </message>
    <message>
        <source>Redeem failed</source>
        <translation>Не удалось активировать</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your account and try again.</source>
        <translation>Не удалось войти. Проверьте учётную запись и повторите попытку.</translation>
    </message>
</context>
<context>
    <name>LocationFilterBar</name>
    <message>
        <source>Country:</source>
        <translation>Страна:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>US</source>
        <translation>US</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Штат:</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Штат</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>New York</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Город:</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
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
        <translation>Индекс:</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Индекс</translation>
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
        <translation>Очистить всё</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>Антидетект-браузер</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Please enter email or username</source>
        <translation>Введите e-mail или имя пользователя</translation>
    </message>
    <message>
        <source>Please enter password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>Please enter account or email</source>
        <translation>Введите учётную запись или e-mail</translation>
    </message>
    <message>
        <source>Auto Log In</source>
        <translation>Автовход</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Забыли пароль?</translation>
    </message>
    <message>
        <source>Or login with</source>
        <translation>Или войти через</translation>
    </message>
    <message>
        <source>Not registered yet ?  </source>
        <translation>Ещё нет аккаунта?  </translation>
    </message>
    <message>
        <source>Creat an Account</source>
        <translation>Создать аккаунт</translation>
    </message>
</context>
<context>
    <name>PlanNames</name>
    <message>
        <source>Popular Plan</source>
        <translation>Популярный тариф</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Долгосрочный ISP-тариф</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Статический ISP-прокси</translation>
    </message>
    <message>
        <source>Traffic Plan</source>
        <translation>Тариф по трафику</translation>
    </message>
</context>
<context>
    <name>PopupBindPort</name>
    <message>
        <source> (Used)</source>
        <translation> (занят)</translation>
    </message>
    <message>
        <source> (Free)</source>
        <translation> (свободен)</translation>
    </message>
</context>
<context>
    <name>PopupBrowser</name>
    <message>
        <source>Unnamed</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>Successfully!</source>
        <translation>Успешно!</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>Антидетект-браузер</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Anti-detection browser:</source>
        <translation>Антидетект-браузер:</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Инструкция</translation>
    </message>
    <message>
        <source>Browser profiles:</source>
        <translation>Профили браузера:</translation>
    </message>
    <message>
        <source>Please get the latest list</source>
        <translation>Получите актуальный список</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>*The browser list has changed, or this function is used for the first time, please synchronize the latest list</source>
        <translation>*Список браузеров изменился или функция используется впервые, синхронизируйте актуальный список</translation>
    </message>
    <message>
        <source>Automatically restart the browser when the proxy changes</source>
        <translation>Автоматически перезапускать браузер при смене прокси</translation>
    </message>
    <message>
        <source>Clear Cookies Before Launch</source>
        <translation>Очищать cookie перед запуском</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save &amp; Close</source>
        <translation>Сохранить &amp; закрыть</translation>
    </message>
</context>
<context>
    <name>PopupEquipmentLine</name>
    <message>
        <source>Successfully</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Подходящие прокси не найдены.</translation>
    </message>
    <message>
        <source>Select Proxy</source>
        <translation>Выбрать прокси</translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>Популярный тариф</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Долгосрочный ISP-тариф</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Статический ISP-прокси</translation>
    </message>
    <message>
        <source>Proxy History</source>
        <translation>История прокси</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Штат</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Different proxies for different device</source>
        <translation>Разные прокси для разных устройств</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Очистить всё</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
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
        <translation>Выберите категорию</translation>
    </message>
    <message>
        <source>Please input your email</source>
        <translation>Введите ваш e-mail</translation>
    </message>
    <message>
        <source>Please input your problem</source>
        <translation>Опишите вашу проблему</translation>
    </message>
    <message>
        <source>Thanks! We have received your feedback.</source>
        <translation>Спасибо! Мы получили ваш отзыв.</translation>
    </message>
    <message>
        <source>Select Picture</source>
        <translation>Выбрать изображение</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Обратная связь</translation>
    </message>
    <message>
        <source>Fill in the fields bellow and one of our support agents will personally get back to you very soon.</source>
        <translation>Заполните поля ниже, и наш специалист поддержки скоро лично свяжется с вами.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Your email</source>
        <translation>Ваш e-mail</translation>
    </message>
    <message>
        <source>Enter your email</source>
        <translation>Введите e-mail</translation>
    </message>
    <message>
        <source>What&apos;s the problem?</source>
        <translation>В чём проблема?</translation>
    </message>
    <message>
        <source>Describe your problem</source>
        <translation>Опишите проблему</translation>
    </message>
    <message>
        <source>Add picture(Upload up to 3)</source>
        <translation>Добавить изображение (до 3)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Отправить</translation>
    </message>
</context>
<context>
    <name>PopupForwared</name>
    <message>
        <source>Globle connect</source>
        <translation>Глобальное подключение</translation>
    </message>
    <message>
        <source>Program connect</source>
        <translation>Подключение программ</translation>
    </message>
    <message>
        <source>Forward Port To Proxy</source>
        <translation>Перенаправить порт на прокси</translation>
    </message>
    <message>
        <source>Forward </source>
        <translation>Перенаправить </translation>
    </message>
    <message>
        <source>Remove from FavoriteList</source>
        <translation>Удалить из избранного</translation>
    </message>
    <message>
        <source>Add to FavoriteList</source>
        <translation>Добавить в избранное</translation>
    </message>
</context>
<context>
    <name>PopupModel</name>
    <message>
        <source>Tips</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Confirm this operation?</source>
        <translation>Подтвердить это действие?</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Deduct IP:</source>
        <translation>Списано IP:</translation>
    </message>
    <message>
        <source>This port range no longer exists; please choose one again.</source>
        <translation>Этот диапазон портов больше не существует, выберите другой.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Now IP:</source>
        <translation>Текущий IP:</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Извлечение</translation>
    </message>
    <message>
        <source>Processing:</source>
        <translation>Обработка:</translation>
    </message>
    <message>
        <source>Extract IP Is Completed</source>
        <translation>Извлечение IP завершено</translation>
    </message>
    <message>
        <source>Success:</source>
        <translation>Успешно:</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>Ошибок:</translation>
    </message>
</context>
<context>
    <name>PopupNotice</name>
    <message>
        <source>Notice</source>
        <translation>Уведомления</translation>
    </message>
    <message>
        <source>No notification yet</source>
        <translation>Уведомлений пока нет</translation>
    </message>
    <message>
        <source>Choose a notice on the left to read it</source>
        <translation>Выберите уведомление слева, чтобы прочитать его</translation>
    </message>
</context>
<context>
    <name>PortForwardList</name>
    <message>
        <source>Local IP</source>
        <translation>Локальный IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>BindIP</source>
        <translation>Привязанный IP</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>В сети</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Copy Success</source>
        <translation>Скопировано</translation>
    </message>
    <message>
        <source>Forward List</source>
        <translation>Список переадресации</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Занят</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Свободен</translation>
    </message>
    <message>
        <source>The current list is empty</source>
        <translation>Текущий список пуст</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Free All</source>
        <translation>Освободить все</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Копировать всё</translation>
    </message>
    <message>
        <source>Free</source>
        <comment>action</comment>
        <translation>Освободить</translation>
    </message>
</context>
<context>
    <name>ProgramHistoryListView</name>
    <message>
        <source>LocalIp</source>
        <translation>Локальный IP</translation>
    </message>
    <message>
        <source>BindIP</source>
        <translation>Привязанный IP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Штат</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
</context>
<context>
    <name>ProgramHistoryPopup</name>
    <message>
        <source>No proxy used for programs yet</source>
        <translation>Прокси для программ ещё не использовались</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>ProgramMenuPopup</name>
    <message>
        <source>Run</source>
        <translation>Запустить</translation>
    </message>
    <message>
        <source>Romove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Go ProxyList</source>
        <translation>К списку прокси</translation>
    </message>
</context>
<context>
    <name>ProgramRect</name>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Штат</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>Add application</source>
        <translation>Добавить приложение</translation>
    </message>
    <message>
        <source>How to use?</source>
        <translation>Как пользоваться?</translation>
    </message>
    <message>
        <source>&quot;Run&quot; starts a program with its proxy variables set to the connected exit; programs that ignore them go out directly.</source>
        <translation>«Запустить» открывает программу с переменными прокси, указывающими на подключённый выход; программы, которые их не читают, выходят напрямую.</translation>
    </message>
    <message>
        <source>click &quot;Browse&quot; to select the application</source>
        <translation>нажмите «Обзор», чтобы выбрать приложение</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Automatically switch IP:</source>
        <translation>Автоматически менять IP:</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/мин</translation>
    </message>
    <message>
        <source>Close the program before switching IP</source>
        <translation>Закрывать программу перед сменой IP</translation>
    </message>
    <message>
        <source>Turn off automatic proxy</source>
        <translation>Выключить автоматический прокси</translation>
    </message>
    <message>
        <source>Turn on automatic proxy</source>
        <translation>Включить автоматический прокси</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Custom Proxy History</source>
        <translation>История пользовательских прокси</translation>
    </message>
</context>
<context>
    <name>ProxyLineModel</name>
    <message>
        <source>Renew</source>
        <translation>Продлить</translation>
    </message>
</context>
<context>
    <name>ProxyListPage</name>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Подходящие прокси не найдены.</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>IP прокси</translation>
    </message>
    <message>
        <source>Expiration time</source>
        <translation>Срок действия</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Пинг</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Штат</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>loading...</source>
        <translation>загрузка...</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>Список переадресации портов</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
</context>
<context>
    <name>ProxyManager</name>
    <message>
        <source>No free local port</source>
        <translation>Нет свободного локального порта</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Случайно</translation>
    </message>
    <message>
        <source>Connect the program to a proxy first</source>
        <translation>Сначала подключите программу к прокси</translation>
    </message>
    <message>
        <source>This file cannot be run</source>
        <translation>Этот файл нельзя запустить</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>Список программ пуст, сначала добавьте программу!</translation>
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
        <translation>Пополнить</translation>
    </message>
</context>
<context>
    <name>RectAPISecond</name>
    <message>
        <source>Successfully</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>API Proxy History</source>
        <translation>История прокси API</translation>
    </message>
    <message>
        <source>Package Type:  </source>
        <translation>Тип тарифа:  </translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>Популярный тариф</translation>
    </message>
    <message>
        <source>IP Extraction:  </source>
        <translation>Извлечение IP:  </translation>
    </message>
    <message>
        <source>Location:   </source>
        <translation>Местоположение:   </translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Штат</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>Other:  </source>
        <translation>Прочее:  </translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Очистить всё</translation>
    </message>
    <message>
        <source>API Port:   </source>
        <translation>Порт API:   </translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Перезапустить</translation>
    </message>
    <message>
        <source>After modication,please click the [Restart] button</source>
        <translation>После изменения нажмите кнопку [Перезапустить]</translation>
    </message>
    <message>
        <source>API Link:   </source>
        <translation>Ссылка API:   </translation>
    </message>
    <message>
        <source>Click the Start Proxy button to view the link.</source>
        <translation>Нажмите кнопку запуска прокси, чтобы увидеть ссылку.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Открыть ссылку</translation>
    </message>
    <message>
        <source>Tips: In API mode, the number of IPs is deducted when the proxy list is successfully obtained.</source>
        <translation>Подсказка: в режиме API количество IP списывается при успешном получении списка прокси.</translation>
    </message>
    <message>
        <source>API Parameter Declaration:</source>
        <translation>Описание параметров API:</translation>
    </message>
    <message>
        <source>You can use the parameter like this</source>
        <translation>Параметр можно использовать так</translation>
    </message>
    <message>
        <source>API Guide</source>
        <translation>Руководство по API</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>Список переадресации портов</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Не удалось</translation>
    </message>
</context>
<context>
    <name>RectEquimentLine</name>
    <message>
        <source>Random</source>
        <translation>Случайно</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>IP прокси</translation>
    </message>
    <message>
        <source>Expiration time</source>
        <translation>Срок действия</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Пинг</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Штат</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Подходящие прокси не найдены.</translation>
    </message>
</context>
<context>
    <name>RectEquimentLineHistory</name>
    <message>
        <source>Random</source>
        <translation>Случайно</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>IP прокси</translation>
    </message>
    <message>
        <source>TimeType</source>
        <translation>Тип срока</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Штат</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Buy Time</source>
        <translation>Время покупки</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>В сети</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Подходящие прокси не найдены.</translation>
    </message>
    <message>
        <source>Proxy history is empty,</source>
        <translation>История прокси пуста,</translation>
    </message>
</context>
<context>
    <name>RectEquipment</name>
    <message>
        <source>Please select the device that needs to be sited</source>
        <translation>Выберите устройства для настройки</translation>
    </message>
    <message>
        <source>Please select the device that needs to be noted</source>
        <translation>Выберите устройства для добавления примечания</translation>
    </message>
    <message>
        <source>Device is binding...</source>
        <translation>Привязка устройства...</translation>
    </message>
    <message>
        <source>Device is disconnecting...</source>
        <translation>Отключение устройства...</translation>
    </message>
    <message>
        <source>Device is connecting...</source>
        <translation>Подключение устройства...</translation>
    </message>
    <message>
        <source>Device is remarking...</source>
        <translation>Сохранение примечания...</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Список устройств</translation>
    </message>
    <message>
        <source>How to use group control?</source>
        <translation>Как пользоваться групповым управлением?</translation>
    </message>
    <message>
        <source>Device Status</source>
        <translation>Статус устройства</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>В сети</translation>
    </message>
    <message>
        <source>Connection Status</source>
        <translation>Статус подключения</translation>
    </message>
    <message>
        <source>Enter device name to search</source>
        <translation>Поиск устройства</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <source>Proxy Ip</source>
        <translation>IP прокси</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>No devices are currently added</source>
        <translation>Устройства пока не добавлены</translation>
    </message>
    <message>
        <source>No device matching search criteria found.</source>
        <translation>Устройства по условиям поиска не найдены.</translation>
    </message>
    <message>
        <source>Don&apos;t know how to add a device?</source>
        <translation>Не знаете, как добавить устройство?</translation>
    </message>
    <message>
        <source>View detailed tutorial</source>
        <translation>Открыть подробную инструкцию</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Выбрано:</translation>
    </message>
    <message>
        <source>Batch settings</source>
        <translation>Пакетная настройка</translation>
    </message>
    <message>
        <source>Batch Connection</source>
        <translation>Пакетное подключение</translation>
    </message>
    <message>
        <source>Please select the device that needs to be connected</source>
        <translation>Выберите устройства для подключения</translation>
    </message>
    <message>
        <source>Batch Disconnection</source>
        <translation>Пакетное отключение</translation>
    </message>
    <message>
        <source>Please select the device that needs to be disconnected</source>
        <translation>Выберите устройства для отключения</translation>
    </message>
    <message>
        <source>Batch Notes</source>
        <translation>Пакетные примечания</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
</context>
<context>
    <name>RectFavoriteList</name>
    <message>
        <source>Favouritelist is empty,</source>
        <translation>Избранное пусто,</translation>
    </message>
</context>
<context>
    <name>RectProxyList</name>
    <message>
        <source>There is no Static ISP Proxy,</source>
        <translation>Нет статических ISP-прокси,</translation>
    </message>
    <message>
        <source>buy now</source>
        <translation>купить сейчас</translation>
    </message>
</context>
<context>
    <name>RectSettings</name>
    <message>
        <source>Begin Port 1-65534</source>
        <translation>Начальный порт 1-65534</translation>
    </message>
    <message>
        <source>Port Number 1-200, Begin Port + Port Number ≤ 65535</source>
        <translation>Количество портов 1-200, начальный порт + количество ≤ 65535</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Не сохранено: %1</translation>
    </message>
    <message>
        <source>Not turned on: a start entry cannot name this program&apos;s folder, or could not be written</source>
        <translation>Не включено: запись автозапуска не может указать папку этой программы или не удалось её записать</translation>
    </message>
    <message>
        <source>Not turned off: the start entry could not be removed</source>
        <translation>Не выключено: не удалось удалить запись автозапуска</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <source>Begin Port:</source>
        <translation>Начальный порт:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Количество портов:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Do not remove duplicate Proxies</source>
        <translation>Не удалять повторяющиеся прокси</translation>
    </message>
    <message>
        <source>Purchased proxies may appear when refreshing the ProxyList</source>
        <translation>При обновлении списка прокси могут появляться уже купленные прокси</translation>
    </message>
    <message>
        <source>Remove duplicate proxies,No duplicate proxies will be acquired within</source>
        <translation>Удалять повторяющиеся прокси: повторные прокси не выдаются в течение</translation>
    </message>
    <message>
        <source>Once set, purchased proxies will no longer appear when refreshing the ProxyList</source>
        <translation>После включения купленные прокси больше не будут появляться при обновлении списка прокси</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ч.</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>Automatically launch Qel Proxy when you turn on your device:</source>
        <translation>Автоматически запускать Qel Proxy при включении устройства:</translation>
    </message>
</context>
<context>
    <name>RectTodayList</name>
    <message>
        <source>Todaylist is empty,</source>
        <translation>Список за сегодня пуст,</translation>
    </message>
</context>
<context>
    <name>RemarkPopup</name>
    <message>
        <source>Remark</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>Please enter a remark</source>
        <translation>Введите примечание</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>SearchManager</name>
    <message>
        <source>Popular Plan</source>
        <translation>Популярный тариф</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Долгосрочный ISP-тариф</translation>
    </message>
</context>
<context>
    <name>TipsCustomPopup</name>
    <message>
        <source>Tips</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Recharge Now</source>
        <translation>Пополнить сейчас</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>UpdatePopup</name>
    <message>
        <source>The new version could not be downloaded.</source>
        <translation>Не удалось загрузить новую версию.</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Доступно обновление</translation>
    </message>
    <message>
        <source>New version found V</source>
        <translation>Найдена новая версия V</translation>
    </message>
    <message>
        <source>Update anomalies?</source>
        <translation>Проблемы с обновлением?</translation>
    </message>
    <message>
        <source>To the website</source>
        <translation>На сайт</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>This is the latest version!</source>
        <translation>Это последняя версия!</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>The client version you are using has been disabled. Please download and install again from the offical website.</source>
        <translation>Используемая версия клиента отключена. Скачайте и установите её заново с официального сайта.</translation>
    </message>
    <message>
        <source>Go Now</source>
        <translation>Перейти</translation>
    </message>
    <message>
        <source>Updating......</source>
        <translation>Обновление......</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Официальный сайт</translation>
    </message>
    <message>
        <source>The new version was downloaded and saved to:</source>
        <translation>Новая версия загружена и сохранена в:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>WebRecv</name>
    <message>
        <source>Only web pages can be opened.</source>
        <translation>Можно открывать только веб-страницы.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>The proxy has expired and cannot be renewed</source>
        <translation>Срок действия прокси истёк, продление невозможно</translation>
    </message>
    <message>
        <source>Hello World</source>
        <translation>Привет, мир</translation>
    </message>
    <message>
        <source>发送消息</source>
        <translation>Отправить сообщение</translation>
    </message>
</context>
<context>
    <name>mainLoader</name>
    <message>
        <source>Function</source>
        <translation>Функции</translation>
    </message>
    <message>
        <source>Proxy List</source>
        <translation>Список прокси</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Статический ISP-прокси</translation>
    </message>
    <message>
        <source>Today List</source>
        <translation>Список за сегодня</translation>
    </message>
    <message>
        <source>Favorite List</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>API</source>
        <translation>API</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программы</translation>
    </message>
    <message>
        <source>Group Control</source>
        <translation>Групповое управление</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>New Version is Online,</source>
        <translation>Вышла новая версия,</translation>
    </message>
    <message>
        <source>Update Immediately</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Local Proxy:</source>
        <translation>Локальный прокси:</translation>
    </message>
    <message>
        <source>Local IP:</source>
        <translation>Локальный IP:</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>Популярный тариф</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Долгосрочный ISP-тариф</translation>
    </message>
    <message>
        <source>Traffic Plan</source>
        <translation>Тариф по трафику</translation>
    </message>
    <message>
        <source>Dedicated Static IP</source>
        <translation>Выделенный IP</translation>
    </message>
    <message>
        <source>Datacenter Proxy</source>
        <translation>Прокси дата-центра</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Код страны</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Please use in non Chinese Mainland environment</source>
        <translation>Используйте за пределами материкового Китая</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Уведомления</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Обратная связь</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Партнёры</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>new</source>
        <translation>новое</translation>
    </message>
</context>
</TS>
