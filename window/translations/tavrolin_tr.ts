<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
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
        <translation>İndirilecek megabayt</translation>
    </message>
    <message>
        <source>STEP 1 / Amount to Download</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>ADIM 1 / İndirme boyutu</translation>
    </message>
    <message>
        <source>Convert MB&apos;s to Kilobytes</source>
        <extracomment>MB: megabytes (1 MB = 1024 kilobytes here).</extracomment>
        <translation>MB&apos;yi kilobayta çevir</translation>
    </message>
    <message>
        <source>Kilobytes in the Megabytes to Download</source>
        <translation>İndirilecek megabaytın kilobayt karşılığı</translation>
    </message>
    <message>
        <source>STEP 2 / Your Internet Speed and Transfer Rate</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>ADIM 2 / İnternet hızınız ve aktarım hızı</translation>
    </message>
    <message>
        <source>Internet Speed in K</source>
        <extracomment>The speed of the connection in kilobits per second (K), as the provider states it.</extracomment>
        <translation>İnternet hızı, kbit/sn</translation>
    </message>
    <message>
        <source>Convert Internet Speed to Transfer Rate (KB/s)</source>
        <translation>Hızı aktarım hızına çevir (KB/sn)</translation>
    </message>
    <message>
        <source>Transfer Speed in KB/s</source>
        <extracomment>The same speed in kilobytes per second, the rate a download shows.</extracomment>
        <translation>Aktarım hızı (KB/sn)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Saniye</translation>
    </message>
    <message>
        <source>This shows the Total Time Needed to Download the Megabytes at the Given Internet Speed and Transfer Rate</source>
        <translation>Verilen internet ve aktarım hızında megabaytları indirmek için gereken toplam süre</translation>
    </message>
    <message>
        <source>STEP 3 / Click the Calculate Button</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>ADIM 3 / Hesapla düğmesine tıklayın</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Dakika</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>Programmed and Developed By Orlevan &apos;;..;&apos;</source>
        <extracomment>The author&apos;s credit; the name and the mark after it stay as they are.</extracomment>
        <translation>Geliştiren: Orlevan &apos;;..;&apos;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Amount to download in megabytes</source>
        <translation>İndirilecek miktar (megabayt)</translation>
    </message>
    <message>
        <source>Amount to download in kilobytes</source>
        <translation>İndirilecek miktar (kilobayt)</translation>
    </message>
    <message>
        <source>Internet speed in kilobits per second</source>
        <translation>Saniyede kilobit olarak internet hızı</translation>
    </message>
    <message>
        <source>Transfer rate in kilobytes per second</source>
        <translation>Saniyede kilobayt olarak aktarım hızı</translation>
    </message>
    <message>
        <source>Download time in seconds</source>
        <translation>Saniye olarak indirme süresi</translation>
    </message>
    <message>
        <source>Picture of a broadband modem</source>
        <translation>Geniş bant modem resmi</translation>
    </message>
    <message>
        <source>Download time in minutes</source>
        <translation>Dakika olarak indirme süresi</translation>
    </message>
    <message>
        <source>Download time in hours</source>
        <translation>Saat olarak indirme süresi</translation>
    </message>
    <message>
        <source>%1 megabytes</source>
        <extracomment>Said by a screen reader; %1 is the number as the window shows it.</extracomment>
        <translation>%1 megabayt</translation>
    </message>
    <message>
        <source>%1 kilobytes</source>
        <translation>%1 kilobayt</translation>
    </message>
    <message>
        <source>%1 kilobits per second</source>
        <translation>saniyede %1 kilobit</translation>
    </message>
    <message>
        <source>%1 kilobytes per second</source>
        <translation>saniyede %1 kilobayt</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 saniye</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 dakika</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 saat</translation>
    </message>
    <message>
        <source>this box</source>
        <translation>bu kutu</translation>
    </message>
    <message>
        <source>the %1 box</source>
        <extracomment>%1 is the caption beside the box, as the window shows it.</extracomment>
        <translation>“%1” kutusu</translation>
    </message>
    <message>
        <source>No download time can be worked out while the transfer rate is 0. Type a transfer rate above 0 in %1, or convert your Internet speed first.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Aktarım hızı 0 iken indirme süresi hesaplanamaz. %1 içine 0&apos;dan büyük bir aktarım hızı yazın ya da önce internet hızınızı çevirin.</translation>
    </message>
    <message>
        <source>The number in %1 is too large to work with. Please type a smaller one.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>%1 içindeki sayı işlem yapmak için çok büyük. Lütfen daha küçük bir sayı yazın.</translation>
    </message>
    <message>
        <source>The result would be too large to show. Please type a smaller number in %1.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Sonuç gösterilemeyecek kadar büyük olur. Lütfen %1 içine daha küçük bir sayı yazın.</translation>
    </message>
    <message>
        <source>Helps you calculate time needed to download certain about of megabytes with given Internet speed</source>
        <translation>Belirli bir internet hızında belirli miktarda megabaytı indirmek için gereken süreyi hesaplamanıza yardımcı olur</translation>
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
