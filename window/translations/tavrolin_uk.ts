<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Tavrolin</name>
    <message>
        <source>Megabytes to Download</source>
        <translation>Обсяг завантаження в МБ</translation>
    </message>
    <message>
        <source>STEP 1 / Amount to Download</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>КРОК 1 / Обсяг даних</translation>
    </message>
    <message>
        <source>Convert MB&apos;s to Kilobytes</source>
        <extracomment>MB: megabytes (1 MB = 1024 kilobytes here).</extracomment>
        <translation>Перерахувати МБ у кілобайти</translation>
    </message>
    <message>
        <source>Kilobytes in the Megabytes to Download</source>
        <translation>Обсяг завантаження в кілобайтах</translation>
    </message>
    <message>
        <source>STEP 2 / Your Internet Speed and Transfer Rate</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>КРОК 2 / Швидкість інтернету й передачі</translation>
    </message>
    <message>
        <source>Internet Speed in K</source>
        <extracomment>The speed of the connection in kilobits per second (K), as the provider states it.</extracomment>
        <translation>Швидкість у кбіт/с</translation>
    </message>
    <message>
        <source>Convert Internet Speed to Transfer Rate (KB/s)</source>
        <translation>Перерахувати швидкість у КБ/с</translation>
    </message>
    <message>
        <source>Transfer Speed in KB/s</source>
        <extracomment>The same speed in kilobytes per second, the rate a download shows.</extracomment>
        <translation>Передача в КБ/с</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунди</translation>
    </message>
    <message>
        <source>This shows the Total Time Needed to Download the Megabytes at the Given Internet Speed and Transfer Rate</source>
        <translation>Загальний час завантаження мегабайтів за вказаної швидкості інтернету й передачі</translation>
    </message>
    <message>
        <source>STEP 3 / Click the Calculate Button</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>КРОК 3 / Натисніть кнопку Обчислити</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Хвилини</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Години</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Обчислити</translation>
    </message>
    <message>
        <source>Programmed and Developed By Orlevan &apos;;..;&apos;</source>
        <extracomment>The author&apos;s credit; the name and the mark after it stay as they are.</extracomment>
        <translation>Автор програми: Orlevan &apos;;..;&apos;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Amount to download in megabytes</source>
        <translation>Обсяг завантаження в мегабайтах</translation>
    </message>
    <message>
        <source>Amount to download in kilobytes</source>
        <translation>Обсяг завантаження в кілобайтах</translation>
    </message>
    <message>
        <source>Internet speed in kilobits per second</source>
        <translation>Швидкість інтернету в кілобітах за секунду</translation>
    </message>
    <message>
        <source>Transfer rate in kilobytes per second</source>
        <translation>Швидкість передачі в кілобайтах за секунду</translation>
    </message>
    <message>
        <source>Download time in seconds</source>
        <translation>Час завантаження в секундах</translation>
    </message>
    <message>
        <source>Picture of a broadband modem</source>
        <translation>Зображення широкосмугового модема</translation>
    </message>
    <message>
        <source>Download time in minutes</source>
        <translation>Час завантаження в хвилинах</translation>
    </message>
    <message>
        <source>Download time in hours</source>
        <translation>Час завантаження в годинах</translation>
    </message>
    <message>
        <source>%1 megabytes</source>
        <extracomment>Said by a screen reader; %1 is the number as the window shows it.</extracomment>
        <translation>%1 мегабайтів</translation>
    </message>
    <message>
        <source>%1 kilobytes</source>
        <translation>%1 кілобайтів</translation>
    </message>
    <message>
        <source>%1 kilobits per second</source>
        <translation>%1 кілобітів за секунду</translation>
    </message>
    <message>
        <source>%1 kilobytes per second</source>
        <translation>%1 кілобайтів за секунду</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 секунд</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 хвилин</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 годин</translation>
    </message>
    <message>
        <source>this box</source>
        <translation>цьому полі</translation>
    </message>
    <message>
        <source>the %1 box</source>
        <extracomment>%1 is the caption beside the box, as the window shows it.</extracomment>
        <translation>полі «%1»</translation>
    </message>
    <message>
        <source>No download time can be worked out while the transfer rate is 0. Type a transfer rate above 0 in %1, or convert your Internet speed first.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Час завантаження не можна обчислити, поки швидкість передачі дорівнює 0. Введіть у %1 швидкість понад 0 або спершу перерахуйте швидкість інтернету.</translation>
    </message>
    <message>
        <source>The number in %1 is too large to work with. Please type a smaller one.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Число в %1 завелике для обчислень. Введіть менше.</translation>
    </message>
    <message>
        <source>The result would be too large to show. Please type a smaller number in %1.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Результат був би завеликий для показу. Введіть у %1 менше число.</translation>
    </message>
    <message>
        <source>Helps you calculate time needed to download certain about of megabytes with given Internet speed</source>
        <translation>Допомагає обчислити час, потрібний для завантаження певної кількості мегабайтів за даної швидкості інтернету</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A result as a screen reader reads it: %1 says what it is, %2 is the number.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two answers a screen reader says one after the other.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
