<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Tavrolin</name>
    <message>
        <source>Megabytes to Download</source>
        <translation>מגהבייט להורדה</translation>
    </message>
    <message>
        <source>STEP 1 / Amount to Download</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>שלב 1 / כמות להורדה</translation>
    </message>
    <message>
        <source>Convert MB&apos;s to Kilobytes</source>
        <extracomment>MB: megabytes (1 MB = 1024 kilobytes here).</extracomment>
        <translation>המרת MB לקילובייט</translation>
    </message>
    <message>
        <source>Kilobytes in the Megabytes to Download</source>
        <translation>גודל ההורדה בקילובייט</translation>
    </message>
    <message>
        <source>STEP 2 / Your Internet Speed and Transfer Rate</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>שלב 2 / מהירות האינטרנט וקצב ההעברה</translation>
    </message>
    <message>
        <source>Internet Speed in K</source>
        <extracomment>The speed of the connection in kilobits per second (K), as the provider states it.</extracomment>
        <translation>מהירות אינטרנט ב-kbit/s</translation>
    </message>
    <message>
        <source>Convert Internet Speed to Transfer Rate (KB/s)</source>
        <translation>המרת מהירות האינטרנט לקצב העברה (KB/s)</translation>
    </message>
    <message>
        <source>Transfer Speed in KB/s</source>
        <extracomment>The same speed in kilobytes per second, the rate a download shows.</extracomment>
        <translation>קצב העברה ב-KB/s</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>שניות</translation>
    </message>
    <message>
        <source>This shows the Total Time Needed to Download the Megabytes at the Given Internet Speed and Transfer Rate</source>
        <translation>הזמן הכולל הדרוש להורדת המגהבייטים במהירות האינטרנט ובקצב ההעברה הנתונים</translation>
    </message>
    <message>
        <source>STEP 3 / Click the Calculate Button</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>שלב 3 / יש ללחוץ על כפתור החישוב</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>דקות</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>שעות</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>חישוב</translation>
    </message>
    <message>
        <source>Programmed and Developed By Orlevan &apos;;..;&apos;</source>
        <extracomment>The author&apos;s credit; the name and the mark after it stay as they are.</extracomment>
        <translation>תכנות ופיתוח: Orlevan &apos;;..;&apos;‎</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>איפוס</translation>
    </message>
    <message>
        <source>Amount to download in megabytes</source>
        <translation>כמות להורדה במגהבייט</translation>
    </message>
    <message>
        <source>Amount to download in kilobytes</source>
        <translation>כמות להורדה בקילובייט</translation>
    </message>
    <message>
        <source>Internet speed in kilobits per second</source>
        <translation>מהירות האינטרנט בקילוביט לשנייה</translation>
    </message>
    <message>
        <source>Transfer rate in kilobytes per second</source>
        <translation>קצב ההעברה בקילובייט לשנייה</translation>
    </message>
    <message>
        <source>Download time in seconds</source>
        <translation>זמן ההורדה בשניות</translation>
    </message>
    <message>
        <source>Picture of a broadband modem</source>
        <translation>תמונה של מודם פס רחב</translation>
    </message>
    <message>
        <source>Download time in minutes</source>
        <translation>זמן ההורדה בדקות</translation>
    </message>
    <message>
        <source>Download time in hours</source>
        <translation>זמן ההורדה בשעות</translation>
    </message>
    <message>
        <source>%1 megabytes</source>
        <extracomment>Said by a screen reader; %1 is the number as the window shows it.</extracomment>
        <translation>%1 מגהבייט</translation>
    </message>
    <message>
        <source>%1 kilobytes</source>
        <translation>%1 קילובייט</translation>
    </message>
    <message>
        <source>%1 kilobits per second</source>
        <translation>%1 קילוביט לשנייה</translation>
    </message>
    <message>
        <source>%1 kilobytes per second</source>
        <translation>%1 קילובייט לשנייה</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 שניות</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 דקות</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 שעות</translation>
    </message>
    <message>
        <source>this box</source>
        <translation>תיבה זו</translation>
    </message>
    <message>
        <source>the %1 box</source>
        <extracomment>%1 is the caption beside the box, as the window shows it.</extracomment>
        <translation>תיבת &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No download time can be worked out while the transfer rate is 0. Type a transfer rate above 0 in %1, or convert your Internet speed first.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>אי אפשר לחשב זמן הורדה כל עוד קצב ההעברה הוא 0. יש להקליד קצב העברה גדול מ-0 ב%1, או להמיר קודם את מהירות האינטרנט.</translation>
    </message>
    <message>
        <source>The number in %1 is too large to work with. Please type a smaller one.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>המספר ב%1 גדול מכדי לעבוד איתו. יש להקליד מספר קטן יותר.</translation>
    </message>
    <message>
        <source>The result would be too large to show. Please type a smaller number in %1.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>התוצאה תהיה גדולה מכדי להציגה. יש להקליד מספר קטן יותר ב%1.</translation>
    </message>
    <message>
        <source>Helps you calculate time needed to download certain about of megabytes with given Internet speed</source>
        <translation>עוזר לחשב את הזמן הדרוש להורדת כמות מסוימת של מגהבייטים במהירות אינטרנט נתונה</translation>
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
