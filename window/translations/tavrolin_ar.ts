<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
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
        <translation>حجم التنزيل بالميغابايت</translation>
    </message>
    <message>
        <source>STEP 1 / Amount to Download</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>الخطوة 1 / حجم التنزيل</translation>
    </message>
    <message>
        <source>Convert MB&apos;s to Kilobytes</source>
        <extracomment>MB: megabytes (1 MB = 1024 kilobytes here).</extracomment>
        <translation>تحويل إلى كيلوبايت</translation>
    </message>
    <message>
        <source>Kilobytes in the Megabytes to Download</source>
        <translation>حجم التنزيل بالكيلوبايت</translation>
    </message>
    <message>
        <source>STEP 2 / Your Internet Speed and Transfer Rate</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>الخطوة 2 / سرعة الإنترنت ومعدل النقل</translation>
    </message>
    <message>
        <source>Internet Speed in K</source>
        <extracomment>The speed of the connection in kilobits per second (K), as the provider states it.</extracomment>
        <translation>السرعة (كيلوبت/ث)</translation>
    </message>
    <message>
        <source>Convert Internet Speed to Transfer Rate (KB/s)</source>
        <translation>تحويل سرعة الإنترنت إلى معدل نقل (كيلوبايت/ث)</translation>
    </message>
    <message>
        <source>Transfer Speed in KB/s</source>
        <extracomment>The same speed in kilobytes per second, the rate a download shows.</extracomment>
        <translation>معدل النقل (كيلوبايت/ث)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>ثوانٍ</translation>
    </message>
    <message>
        <source>This shows the Total Time Needed to Download the Megabytes at the Given Internet Speed and Transfer Rate</source>
        <translation>الوقت الكلي اللازم لتنزيل الميغابايتات بسرعة الإنترنت ومعدل النقل المحددين</translation>
    </message>
    <message>
        <source>STEP 3 / Click the Calculate Button</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>الخطوة 3 / انقر زر «احسب»</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>دقائق</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>ساعات</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>احسب</translation>
    </message>
    <message>
        <source>Programmed and Developed By Orlevan &apos;;..;&apos;</source>
        <extracomment>The author&apos;s credit; the name and the mark after it stay as they are.</extracomment>
        <translation>برمجة وتطوير: Orlevan &apos;;..;&apos;‎</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Amount to download in megabytes</source>
        <translation>حجم التنزيل بالميغابايت</translation>
    </message>
    <message>
        <source>Amount to download in kilobytes</source>
        <translation>حجم التنزيل بالكيلوبايت</translation>
    </message>
    <message>
        <source>Internet speed in kilobits per second</source>
        <translation>سرعة الإنترنت بالكيلوبت في الثانية</translation>
    </message>
    <message>
        <source>Transfer rate in kilobytes per second</source>
        <translation>معدل النقل بالكيلوبايت في الثانية</translation>
    </message>
    <message>
        <source>Download time in seconds</source>
        <translation>مدة التنزيل بالثواني</translation>
    </message>
    <message>
        <source>Picture of a broadband modem</source>
        <translation>صورة مودم نطاق عريض</translation>
    </message>
    <message>
        <source>Download time in minutes</source>
        <translation>مدة التنزيل بالدقائق</translation>
    </message>
    <message>
        <source>Download time in hours</source>
        <translation>مدة التنزيل بالساعات</translation>
    </message>
    <message>
        <source>%1 megabytes</source>
        <extracomment>Said by a screen reader; %1 is the number as the window shows it.</extracomment>
        <translation>%1 ميغابايت</translation>
    </message>
    <message>
        <source>%1 kilobytes</source>
        <translation>%1 كيلوبايت</translation>
    </message>
    <message>
        <source>%1 kilobits per second</source>
        <translation>%1 كيلوبت في الثانية</translation>
    </message>
    <message>
        <source>%1 kilobytes per second</source>
        <translation>%1 كيلوبايت في الثانية</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 ثانية</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 دقيقة</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 ساعة</translation>
    </message>
    <message>
        <source>this box</source>
        <translation>هذا الحقل</translation>
    </message>
    <message>
        <source>the %1 box</source>
        <extracomment>%1 is the caption beside the box, as the window shows it.</extracomment>
        <translation>حقل «%1»</translation>
    </message>
    <message>
        <source>No download time can be worked out while the transfer rate is 0. Type a transfer rate above 0 in %1, or convert your Internet speed first.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>لا يمكن حساب مدة التنزيل ما دام معدل النقل 0. اكتب معدل نقل أكبر من 0 في %1، أو حوّل سرعة الإنترنت أولًا.</translation>
    </message>
    <message>
        <source>The number in %1 is too large to work with. Please type a smaller one.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>الرقم في %1 أكبر من أن يُعالَج. يُرجى كتابة رقم أصغر.</translation>
    </message>
    <message>
        <source>The result would be too large to show. Please type a smaller number in %1.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>النتيجة أكبر من أن تُعرض. يُرجى كتابة رقم أصغر في %1.</translation>
    </message>
    <message>
        <source>Helps you calculate time needed to download certain about of megabytes with given Internet speed</source>
        <translation>يساعدك على حساب الوقت اللازم لتنزيل عدد معين من الميغابايتات بسرعة إنترنت معينة</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A result as a screen reader reads it: %1 says what it is, %2 is the number.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two answers a screen reader says one after the other.</extracomment>
        <translation>، </translation>
    </message>
</context>
</TS>
