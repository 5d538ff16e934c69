<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>Megabajty do pobrania</translation>
    </message>
    <message>
        <source>STEP 1 / Amount to Download</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>KROK 1 / Ilość do pobrania</translation>
    </message>
    <message>
        <source>Convert MB&apos;s to Kilobytes</source>
        <extracomment>MB: megabytes (1 MB = 1024 kilobytes here).</extracomment>
        <translation>Przelicz MB na kilobajty</translation>
    </message>
    <message>
        <source>Kilobytes in the Megabytes to Download</source>
        <translation>Kilobajty w megabajtach do pobrania</translation>
    </message>
    <message>
        <source>STEP 2 / Your Internet Speed and Transfer Rate</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>KROK 2 / Prędkość łącza i transferu</translation>
    </message>
    <message>
        <source>Internet Speed in K</source>
        <extracomment>The speed of the connection in kilobits per second (K), as the provider states it.</extracomment>
        <translation>Prędkość łącza w kb/s</translation>
    </message>
    <message>
        <source>Convert Internet Speed to Transfer Rate (KB/s)</source>
        <translation>Przelicz prędkość łącza na transfer (kB/s)</translation>
    </message>
    <message>
        <source>Transfer Speed in KB/s</source>
        <extracomment>The same speed in kilobytes per second, the rate a download shows.</extracomment>
        <translation>Transfer w kB/s</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>This shows the Total Time Needed to Download the Megabytes at the Given Internet Speed and Transfer Rate</source>
        <translation>Łączny czas pobierania megabajtów przy podanej prędkości łącza i transferu</translation>
    </message>
    <message>
        <source>STEP 3 / Click the Calculate Button</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>KROK 3 / Kliknij przycisk Oblicz</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Godziny</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Programmed and Developed By Orlevan &apos;;..;&apos;</source>
        <extracomment>The author&apos;s credit; the name and the mark after it stay as they are.</extracomment>
        <translation>Program opracował Orlevan &apos;;..;&apos;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Amount to download in megabytes</source>
        <translation>Ilość do pobrania w megabajtach</translation>
    </message>
    <message>
        <source>Amount to download in kilobytes</source>
        <translation>Ilość do pobrania w kilobajtach</translation>
    </message>
    <message>
        <source>Internet speed in kilobits per second</source>
        <translation>Prędkość łącza w kilobitach na sekundę</translation>
    </message>
    <message>
        <source>Transfer rate in kilobytes per second</source>
        <translation>Prędkość transferu w kilobajtach na sekundę</translation>
    </message>
    <message>
        <source>Download time in seconds</source>
        <translation>Czas pobierania w sekundach</translation>
    </message>
    <message>
        <source>Picture of a broadband modem</source>
        <translation>Obraz modemu szerokopasmowego</translation>
    </message>
    <message>
        <source>Download time in minutes</source>
        <translation>Czas pobierania w minutach</translation>
    </message>
    <message>
        <source>Download time in hours</source>
        <translation>Czas pobierania w godzinach</translation>
    </message>
    <message>
        <source>%1 megabytes</source>
        <extracomment>Said by a screen reader; %1 is the number as the window shows it.</extracomment>
        <translation>%1 megabajtów</translation>
    </message>
    <message>
        <source>%1 kilobytes</source>
        <translation>%1 kilobajtów</translation>
    </message>
    <message>
        <source>%1 kilobits per second</source>
        <translation>%1 kilobitów na sekundę</translation>
    </message>
    <message>
        <source>%1 kilobytes per second</source>
        <translation>%1 kilobajtów na sekundę</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 sekund</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minut</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 godzin</translation>
    </message>
    <message>
        <source>this box</source>
        <translation>tym polu</translation>
    </message>
    <message>
        <source>the %1 box</source>
        <extracomment>%1 is the caption beside the box, as the window shows it.</extracomment>
        <translation>polu „%1”</translation>
    </message>
    <message>
        <source>No download time can be worked out while the transfer rate is 0. Type a transfer rate above 0 in %1, or convert your Internet speed first.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Nie można obliczyć czasu pobierania, gdy prędkość transferu wynosi 0. Wpisz w %1 prędkość większą od 0 albo najpierw przelicz prędkość łącza.</translation>
    </message>
    <message>
        <source>The number in %1 is too large to work with. Please type a smaller one.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Liczba w %1 jest za duża do obliczeń. Wpisz mniejszą.</translation>
    </message>
    <message>
        <source>The result would be too large to show. Please type a smaller number in %1.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Wynik byłby za duży, by go pokazać. Wpisz mniejszą liczbę w %1.</translation>
    </message>
    <message>
        <source>Helps you calculate time needed to download certain about of megabytes with given Internet speed</source>
        <translation>Pomaga obliczyć czas potrzebny na pobranie określonej liczby megabajtów przy danej prędkości łącza</translation>
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
