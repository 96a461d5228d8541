<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
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
    <name>EditLogin</name>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
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
    <name>PopupNotice</name>
    <message>
        <source>Notice</source>
        <translation>Уведомления</translation>
    </message>
    <message>
        <source>No notification yet</source>
        <translation>Уведомлений пока нет</translation>
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
    <name>RectSettings</name>
    <message>
        <source>Begin Port</source>
        <translation>Начальный порт</translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Количество портов</translation>
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
        <source>Version</source>
        <translation type="vanished">Версия</translation>
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
        <translation>Выделенный статический IP</translation>
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
</context>
</TS>
