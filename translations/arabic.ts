<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="zh_CN">
    <context>
        <name>QObject</name>
        <message>
            <source>条码格式错误，本条码为13位阿拉伯数字！</source>
            <translation>خطأ في تنسيق الباركود، يتكون هذا الباركود من 13 رقمًا!</translation>
        </message>
        <message>
            <source>条码格式错误，本条码为8位阿拉伯数字！</source>
            <translation>خطأ في تنسيق الباركود، يتكون هذا الباركود من 8 أرقام!</translation>
        </message>
        <message>
            <source>条码格式错误，本条码内容仅包含数字与大写字母及部分符号！</source>
            <translation>خطأ في تنسيق الباركود، لا يحتوي هذا الباركود إلا على أرقام وأحرف كبيرة وبعض الرموز!</translation>
        </message>
        <message>
            <source>条码格式错误，本条码为12位阿拉伯数字！</source>
            <translation>خطأ في تنسيق الباركود، يتكون هذا الباركود من 12 رقمًا!</translation>
        </message>
        <message>
            <source>条码格式错误，本条码内容仅包含数字与英文字母及部分符号！</source>
            <translation>خطأ في تنسيق الباركود، لا يحتوي هذا الباركود إلا على أرقام وأحرف إنجليزية وبعض الرموز!</translation>
        </message>
        <message>
            <source>条码格式错误！</source>
            <translation>خطأ في تنسيق الباركود!</translation>
        </message>
        <message>
            <source>警告</source>
            <translation>تحذير</translation>
        </message>
        <message>
            <source>确认</source>
            <translation>موافق</translation>
        </message>
        <message>
            <source>第 %1 个字符“%2”无法用该码制编码。</source>
            <translation>لا يمكن ترميز الحرف رقم %1 "%2" في هذه الترميزة.</translation>
        </message>
    </context>
    <context>
        <name>QRCodeDynamicStyleDialog</name>
        <message>
            <source>Dialog</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>确定</source>
            <translation>موافق</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>إلغاء</translation>
        </message>
        <message>
            <source>计数器类型</source>
            <translation>نوع العداد</translation>
        </message>
        <message>
            <source>1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>3</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>4</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>5</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>6</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>7</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>8</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>时间设置</source>
            <translation>إعداد الوقت</translation>
        </message>
        <message>
            <source>二维码的内容；计数器和时间的占位符加在末尾</source>
            <translation>محتوى رمز QR؛ تُضاف العناصر النائبة للعداد والوقت في نهايته</translation>
        </message>
        <message>
            <source>内容</source>
            <translation>المحتوى</translation>
        </message>
        <message>
            <source>把内容用到二维码</source>
            <translation>تطبيق المحتوى على رمز QR</translation>
        </message>
        <message>
            <source>关闭，不改变二维码</source>
            <translation>إغلاق دون تغيير رمز QR</translation>
        </message>
        <message>
            <source>选择位数，在内容末尾加入计数器的占位符</source>
            <translation>اختيار عدد الخانات لإضافة عنصر نائب للعداد في نهاية المحتوى</translation>
        </message>
        <message>
            <source>计数器位数</source>
            <translation>خانات العداد</translation>
        </message>
        <message>
            <source>选择日期时间格式，在内容末尾加入时间的占位符</source>
            <translation>اختيار تنسيق التاريخ والوقت لإضافة عنصر نائب للوقت في نهاية المحتوى</translation>
        </message>
    </context>
    <context>
        <name>QRCodeSetting</name>
        <message>
            <source>Form</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>X</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Y</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>旋转</source>
            <translation>التدوير</translation>
        </message>
        <message>
            <source>精度</source>
            <translation>المستوى</translation>
        </message>
        <message>
            <source>低</source>
            <translation>منخفض</translation>
        </message>
        <message>
            <source>中</source>
            <translation>متوسط</translation>
        </message>
        <message>
            <source>高</source>
            <translation>مرتفع</translation>
        </message>
        <message>
            <source>精准</source>
            <translation>دقيق</translation>
        </message>
        <message>
            <source>缩放</source>
            <translation>المقياس</translation>
        </message>
        <message>
            <source>边长</source>
            <translation>الطول</translation>
        </message>
        <message>
            <source>21px</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>25px</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>29px</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>33px</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>37px</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>可变</source>
            <translation>متغير</translation>
        </message>
        <message>
            <source>GS1 数字链接</source>
            <translation>رابط GS1 الرقمي</translation>
        </message>
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>بُعد الحافة اليسرى عن بداية الشريط (نقاط، من 0 إلى 79999)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>الموضع X</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>بُعد الحافة العليا عن أعلى الشريط (نقاط)؛ يبقى العنصر داخل الشريط الذي ارتفاعه 300 نقطة</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>الموضع Y</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>التدوير باتجاه عقارب الساعة (بالدرجات، من 0 إلى 180)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>زاوية التدوير</translation>
        </message>
        <message>
            <source>纠错等级：越高越能承受污损，符号也越大</source>
            <translation>مستوى تصحيح الأخطاء: الأعلى يتحمل تلفًا أكثر لكنه يكبّر الرمز</translation>
        </message>
        <message>
            <source>纠错等级</source>
            <translation>مستوى تصحيح الأخطاء</translation>
        </message>
        <message>
            <source>一个模块的边长（点，0 到 77）</source>
            <translation>طول ضلع الوحدة الواحدة (نقاط، من 0 إلى 77)</translation>
        </message>
        <message>
            <source>模块大小</source>
            <translation>حجم الوحدة</translation>
        </message>
        <message>
            <source>符号每边的模块数</source>
            <translation>عدد الوحدات على كل ضلع من الرمز</translation>
        </message>
        <message>
            <source>符号大小</source>
            <translation>حجم الرمز</translation>
        </message>
        <message>
            <source>在内容中加入计数器或日期时间</source>
            <translation>إدراج عداد أو تاريخ ووقت في المحتوى</translation>
        </message>
        <message>
            <source>可变内容</source>
            <translation>محتوى متغير</translation>
        </message>
        <message>
            <source>用 GS1 数字链接组成内容：商品代码、批号、日期、序列号</source>
            <translation>تكوين المحتوى كرابط GS1 رقمي: رمز المنتج GTIN والدفعة والتواريخ والرقم التسلسلي</translation>
        </message>
    </context>
    <context>
        <name>Widget</name>
        <message>
            <source>编辑软件</source>
            <translation>المحرر</translation>
        </message>
        <message>
            <source>文字</source>
            <translation>نص</translation>
        </message>
        <message>
            <source>时间</source>
            <translation>الوقت</translation>
        </message>
        <message>
            <source>序号1</source>
            <translation>عداد1</translation>
        </message>
        <message>
            <source>序号2</source>
            <translation>عداد2</translation>
        </message>
        <message>
            <source>图片</source>
            <translation>صورة</translation>
        </message>
        <message>
            <source>条形码</source>
            <translation>باركود</translation>
        </message>
        <message>
            <source>二维码</source>
            <translation>رمز QR</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>حذف</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>ملف</translation>
        </message>
        <message>
            <source>完成</source>
            <translation>تم</translation>
        </message>
        <message>
            <source>新建</source>
            <translation>جديد</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>فتح</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>حفظ</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>حفظ باسم</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>خروج</translation>
        </message>
        <message>
            <source>打开文件</source>
            <translation>فتح ملف</translation>
        </message>
        <message>
            <source>Spr Files(*.spr )</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>保存文件</source>
            <translation>حفظ الملف</translation>
        </message>
        <message>
            <source>*.spr</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>无法保存文件 %1：%2</source>
            <translation>تعذّر حفظ الملف %1: %2</translation>
        </message>
        <message>
            <source>无法打开文件 %1：%2</source>
            <translation>تعذّر فتح الملف %1: %2</translation>
        </message>
        <message>
            <source>打开图片</source>
            <translation>فتح صورة</translation>
        </message>
        <message>
            <source>%</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>撤销</source>
            <translation>تراجع</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>إعادة</translation>
        </message>
        <message>
            <source>新建对象</source>
            <translation>عنصر جديد</translation>
        </message>
        <message>
            <source>移动</source>
            <translation>نقل</translation>
        </message>
        <message>
            <source>剪切</source>
            <translation>قص</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>نسخ</translation>
        </message>
        <message>
            <source>粘贴</source>
            <translation>لصق</translation>
        </message>
        <message>
            <source>复制一份</source>
            <translation>تكرار</translation>
        </message>
        <message>
            <source>全选</source>
            <translation>تحديد الكل</translation>
        </message>
        <message>
            <source>放大</source>
            <translation>تكبير</translation>
        </message>
        <message>
            <source>缩小</source>
            <translation>تصغير</translation>
        </message>
        <message>
            <source>适合窗口</source>
            <translation>ملاءمة النافذة</translation>
        </message>
        <message>
            <source>原始比例</source>
            <translation>التكبير الأولي (58%)</translation>
        </message>
        <message>
            <source>设计已修改，是否保存？</source>
            <translation>تم تعديل التصميم. هل تريد حفظ التغييرات؟</translation>
        </message>
        <message>
            <source>不保存</source>
            <translation>عدم الحفظ</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>إلغاء</translation>
        </message>
        <message>
            <source>删除文件</source>
            <translation>حذف ملف</translation>
        </message>
        <message>
            <source>确定要删除文件 %1 吗？</source>
            <translation>هل تريد حذف الملف %1؟</translation>
        </message>
        <message>
            <source>无法删除文件 %1：%2</source>
            <translation>تعذّر حذف الملف %1: %2</translation>
        </message>
        <message>
            <source>导出</source>
            <translation>تصدير</translation>
        </message>
        <message>
            <source>无法导出 %1：%2</source>
            <translation>تعذّر تصدير %1: %2</translation>
        </message>
        <message>
            <source> 等 %1 行</source>
            <translation> وغيرها، %1 سطرًا في المجموع</translation>
        </message>
        <message>
            <source>文件 %1 的第 %2 行不是 UTF-8 文本，显示为替换字符；保存后这些字符将丢失。</source>
            <translation>السطر %2 من الملف %1 ليس نص UTF-8 ويظهر بأحرف بديلة؛ سيؤدي الحفظ إلى فقدان هذه الأحرف.</translation>
        </message>
        <message>
            <source>文件 %1 在打开或上次保存之后已被其他窗口或程序修改。覆盖这些修改吗？</source>
            <translation>تم تغيير الملف %1 بواسطة نافذة أو برنامج آخر بعد فتحه أو حفظه آخر مرة. هل تريد الكتابة فوق هذه التغييرات؟</translation>
        </message>
        <message>
            <source>覆盖</source>
            <translation>الكتابة فوقه</translation>
        </message>
        <message>
            <source>Image Files(*.jpg *.jpeg *.bmp *.png)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>文件 %1 中有设计软件没有读取的段，保存后它们将不再在文件中：%2。仍然保存吗？</source>
            <translation>يحتوي الملف %1 على أقسام لم يقرأها المصمم؛ بعد الحفظ لن تكون موجودة في الملف: %2. هل تريد الحفظ على أي حال؟</translation>
        </message>
        <message>
            <source>第 %1 行的 %2</source>
            <translation>%2 في السطر %1</translation>
        </message>
        <message>
            <source> 等 %1 段</source>
            <translation> وغيرها، %1 قسمًا إجمالًا</translation>
        </message>
        <message>
            <source>写入打印机U盘</source>
            <translation>الكتابة إلى قرص USB الخاص بالطابعة</translation>
        </message>
        <message>
            <source>替换</source>
            <translation>استبدال</translation>
        </message>
        <message>
            <source>写入打印机U盘…</source>
            <translation>الكتابة إلى قرص USB الخاص بالطابعة…</translation>
        </message>
        <message>
            <source>请先保存设计：U盘上的设计使用它的文件名。</source>
            <translation>احفظ التصميم أولاً: يأخذ التصميم على قرص USB اسم ملفه.</translation>
        </message>
        <message>
            <source>选择打印机U盘的文件夹</source>
            <translation>اختر مجلد قرص USB الخاص بالطابعة</translation>
        </message>
        <message>
            <source>没有写入任何文件：</source>
            <translation>لم يُكتب شيء:</translation>
        </message>
        <message>
            <source>文件夹中已有这些文件，是否替换？</source>
            <translation>يحوي المجلد هذه الملفات بالفعل. هل تريد استبدالها؟</translation>
        </message>
        <message>
            <source>已写入 %1 个文件到 %2</source>
            <translation>كُتب %1 ملفاً في %2</translation>
        </message>
        <message>
            <source>设计文件旁已有同名的其他图片：%1。用设计中的图片替换它们吗？</source>
            <translation>بجانب التصميم صور أخرى بالاسم نفسه: %1. هل تريد استبدالها بصور التصميم؟</translation>
        </message>
        <message>
            <source>查找图片 %1</source>
            <translation>البحث عن الصورة %1</translation>
        </message>
        <message>
            <source>Image Files(*.jpg *.bmp)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>文件第一行不是 [FileInfo]，不是设计文件</source>
            <translation>السطر الأول من الملف ليس [FileInfo]: هذا ليس ملف تصميم</translation>
        </message>
        <message>
            <source>文件中的项目超过 %1 个，无法完整打开</source>
            <translation>يحتوي الملف على أكثر من %1 عنصر ولا يمكن فتحه بالكامل</translation>
        </message>
        <message>
            <source>文件超过 %1 MiB，无法打开</source>
            <translation>حجم الملف أكبر من %1 ميبيبايت ولا يمكن فتحه</translation>
        </message>
        <message>
            <source>图片超过 %1 MiB，无法打开</source>
            <translation>صورة أكبر من %1 ميبيبايت؛ لا يمكن فتح الملف</translation>
        </message>
        <message>
            <source>打印机分辨率…</source>
            <translation>دقة الطابعة…</translation>
        </message>
        <message>
            <source>对齐、分布和叠放所选对象，网格</source>
            <translation>محاذاة العناصر المحددة وتوزيعها وترتيبها؛ الشبكة</translation>
        </message>
        <message>
            <source>排列</source>
            <translation>ترتيب</translation>
        </message>
        <message>
            <source>全部</source>
            <translation>الكل</translation>
        </message>
        <message>
            <source>适合设计：显示整个设计</source>
            <translation>ملاءمة التصميم: عرض التصميم كله</translation>
        </message>
        <message>
            <source>适合高度：显示整个 300 点的高度</source>
            <translation>ملاءمة الارتفاع: عرض الارتفاع كله البالغ 300 نقطة</translation>
        </message>
        <message>
            <source>高度</source>
            <translation>الارتفاع</translation>
        </message>
        <message>
            <source>内容</source>
            <translation>المحتوى</translation>
        </message>
        <message>
            <source>删除所选对象</source>
            <translation>حذف العناصر المحددة</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>مساعدة</translation>
        </message>
        <message>
            <source>所选文字、条形码或二维码的内容</source>
            <translation>محتوى النص أو الرمز الشريطي أو رمز QR المحدد</translation>
        </message>
        <message>
            <source>把内容用到所选对象</source>
            <translation>تطبيق المحتوى على العنصر المحدد</translation>
        </message>
        <message>
            <source>新建、打开、保存文件，最近的文件，语言，帮助</source>
            <translation>ملف جديد وفتح وحفظ؛ الملفات الأخيرة؛ اللغة؛ المساعدة</translation>
        </message>
        <message>
            <source>添加二维码</source>
            <translation>إضافة رمز QR</translation>
        </message>
        <message>
            <source>添加图片</source>
            <translation>إضافة صورة</translation>
        </message>
        <message>
            <source>添加序号1</source>
            <translation>إضافة العداد 1</translation>
        </message>
        <message>
            <source>添加序号2</source>
            <translation>إضافة العداد 2</translation>
        </message>
        <message>
            <source>添加文字</source>
            <translation>إضافة نص</translation>
        </message>
        <message>
            <source>添加时间</source>
            <translation>إضافة التاريخ والوقت</translation>
        </message>
        <message>
            <source>添加条形码</source>
            <translation>إضافة رمز شريطي</translation>
        </message>
        <message>
            <source>设计画布</source>
            <translation>لوحة التصميم</translation>
        </message>
        <message>
            <source>设计画布：拖动对象，右键打开菜单</source>
            <translation>لوحة التصميم: اسحب العناصر؛ النقر بالزر الأيمن يفتح القائمة</translation>
        </message>
    </context>
    <context>
        <name>barSetting</name>
        <message>
            <source>Form</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>类别</source>
            <translation>النوع</translation>
        </message>
        <message>
            <source>EAN13</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>EAN8</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Code_39</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Code_93</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>UPCA</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>UPCE</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Code_128</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>X</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Y</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>高度</source>
            <translation>الارتفاع</translation>
        </message>
        <message>
            <source>旋转</source>
            <translation>التدوير</translation>
        </message>
        <message>
            <source>显示数字</source>
            <translation>إظهار النص</translation>
        </message>
        <message>
            <source>模块宽度</source>
            <translation>عرض الوحدة</translation>
        </message>
        <message>
            <source>条形码的码制</source>
            <translation>نوع رمز الباركود</translation>
        </message>
        <message>
            <source>码制</source>
            <translation>نوع الرمز</translation>
        </message>
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>بُعد الحافة اليسرى عن بداية الشريط (نقاط، من 0 إلى 79999)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>الموضع X</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>بُعد الحافة العليا عن أعلى الشريط (نقاط)؛ يبقى العنصر داخل الشريط الذي ارتفاعه 300 نقطة</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>الموضع Y</translation>
        </message>
        <message>
            <source>条的高度（点，1 到 400）</source>
            <translation>ارتفاع الأعمدة (نقاط، من 1 إلى 400)</translation>
        </message>
        <message>
            <source>条高</source>
            <translation>ارتفاع الأعمدة</translation>
        </message>
        <message>
            <source>一个模块（最窄的条）的宽度（点，1 到 20）</source>
            <translation>عرض الوحدة الواحدة (أضيق عمود) بالنقاط، من 1 إلى 20</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>التدوير باتجاه عقارب الساعة (بالدرجات، من 0 إلى 180)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>زاوية التدوير</translation>
        </message>
        <message>
            <source>在条的下面打印人眼可读的数字</source>
            <translation>طباعة الأرقام المقروءة تحت الأعمدة</translation>
        </message>
    </context>
    <context>
        <name>cnt2Setting</name>
        <message>
            <source>Form</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>X</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Y</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>旋转</source>
            <translation>التدوير</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>الخط</translation>
        </message>
        <message>
            <source>字号</source>
            <translation>الحجم</translation>
        </message>
        <message>
            <source>间距</source>
            <translation>التباعد</translation>
        </message>
        <message>
            <source>类型</source>
            <translation>الخانات</translation>
        </message>
        <message>
            <source>1位</source>
            <translation>1</translation>
        </message>
        <message>
            <source>2位</source>
            <translation>2</translation>
        </message>
        <message>
            <source>3位</source>
            <translation>3</translation>
        </message>
        <message>
            <source>4位</source>
            <translation>4</translation>
        </message>
        <message>
            <source>5位</source>
            <translation>5</translation>
        </message>
        <message>
            <source>6位</source>
            <translation>6</translation>
        </message>
        <message>
            <source>7位</source>
            <translation>7</translation>
        </message>
        <message>
            <source>8位</source>
            <translation>8</translation>
        </message>
        <message>
            <source>宋体</source>
            <translation>Simsun</translation>
        </message>
        <message>
            <source>黑体</source>
            <translation>Simhei</translation>
        </message>
        <message>
            <source>微软雅黑</source>
            <translation>Microsoft Yahei</translation>
        </message>
        <message>
            <source>楷体</source>
            <translation>SimKai</translation>
        </message>
        <message>
            <source>点阵汉字</source>
            <translation>Dot</translation>
        </message>
        <message>
            <source>Arial</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>华文彩云</source>
            <translation>STCaiyun</translation>
        </message>
        <message>
            <source>隶体</source>
            <translation>LiTi</translation>
        </message>
        <message>
            <source>点阵繁体</source>
            <translation>dot_1</translation>
        </message>
        <message>
            <source>方正古隶</source>
            <translation>FounderLi</translation>
        </message>
        <message>
            <source>7点阵圆点</source>
            <translation>dot_2</translation>
        </message>
        <message>
            <source>7点阵方点</source>
            <translation>dot_3</translation>
        </message>
        <message>
            <source>7点阵双点</source>
            <translation>dot_4</translation>
        </message>
        <message>
            <source>8点阵圆点</source>
            <translation>dot_5</translation>
        </message>
        <message>
            <source>11点阵圆点</source>
            <translation>dot_6</translation>
        </message>
        <message>
            <source>常用点阵</source>
            <translation>dot_7</translation>
        </message>
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>بُعد الحافة اليسرى عن بداية الشريط (نقاط، من 0 إلى 79999)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>الموضع X</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>بُعد الحافة العليا عن أعلى الشريط (نقاط)؛ يبقى العنصر داخل الشريط الذي ارتفاعه 300 نقطة</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>الموضع Y</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>التدوير باتجاه عقارب الساعة (بالدرجات، من 0 إلى 180)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>زاوية التدوير</translation>
        </message>
        <message>
            <source>字体；列出的字体须安装在这台电脑上</source>
            <translation>الخط؛ يجب أن تكون الخطوط المدرجة مثبتة على هذا الحاسوب</translation>
        </message>
        <message>
            <source>字的高度（点，6 到 400）</source>
            <translation>ارتفاع الحرف (نقاط، من 6 إلى 400)</translation>
        </message>
        <message>
            <source>字符之间增加的距离（点，-100 到 200；负值使字符靠拢）</source>
            <translation>المسافة الإضافية بين الحروف (نقاط، من -100 إلى 200؛ القيم السالبة تقرّب الحروف)</translation>
        </message>
        <message>
            <source>字间距</source>
            <translation>تباعد الحروف</translation>
        </message>
        <message>
            <source>计数器打印的位数，不足的前面补零</source>
            <translation>عدد الخانات التي يطبعها العداد، مع إكمالها بأصفار في البداية</translation>
        </message>
        <message>
            <source>位数</source>
            <translation>عدد الخانات</translation>
        </message>
    </context>
    <context>
        <name>cntSetting</name>
        <message>
            <source>Form</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>X</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Y</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>旋转</source>
            <translation>التدوير</translation>
        </message>
        <message>
            <source>类别</source>
            <translation>العداد</translation>
        </message>
        <message>
            <source>计数器1</source>
            <translation>العداد1</translation>
        </message>
        <message>
            <source>计数器2</source>
            <translation>العداد2</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>الخط</translation>
        </message>
        <message>
            <source>字号</source>
            <translation>الحجم</translation>
        </message>
        <message>
            <source>间距</source>
            <translation>التباعد</translation>
        </message>
        <message>
            <source>类型</source>
            <translation>الخانات</translation>
        </message>
        <message>
            <source>1位</source>
            <translation>1</translation>
        </message>
        <message>
            <source>2位</source>
            <translation>2</translation>
        </message>
        <message>
            <source>3位</source>
            <translation>3</translation>
        </message>
        <message>
            <source>4位</source>
            <translation>4</translation>
        </message>
        <message>
            <source>5位</source>
            <translation>5</translation>
        </message>
        <message>
            <source>6位</source>
            <translation>6</translation>
        </message>
        <message>
            <source>7位</source>
            <translation>7</translation>
        </message>
        <message>
            <source>8位</source>
            <translation>8</translation>
        </message>
        <message>
            <source>宋体</source>
            <translation>Simsun</translation>
        </message>
        <message>
            <source>黑体</source>
            <translation>Simhei</translation>
        </message>
        <message>
            <source>微软雅黑</source>
            <translation>Microsoft Yahei</translation>
        </message>
        <message>
            <source>楷体</source>
            <translation>SimKai</translation>
        </message>
        <message>
            <source>Arial</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>华文彩云</source>
            <translation>STCaiyun</translation>
        </message>
        <message>
            <source>隶体</source>
            <translation>LiTi</translation>
        </message>
        <message>
            <source>方正超细</source>
            <translation>FounderXi</translation>
        </message>
        <message>
            <source>方正古隶</source>
            <translation>FounderLi</translation>
        </message>
        <message>
            <source>点阵繁体</source>
            <translation>dot_1</translation>
        </message>
        <message>
            <source>点阵汉字</source>
            <translation>Dot</translation>
        </message>
        <message>
            <source>7点阵圆点</source>
            <translation>dot_2</translation>
        </message>
        <message>
            <source>7点阵方点</source>
            <translation>dot_3</translation>
        </message>
        <message>
            <source>8点阵圆点</source>
            <translation>dot_4</translation>
        </message>
        <message>
            <source>常用点阵</source>
            <translation>dot_5</translation>
        </message>
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>بُعد الحافة اليسرى عن بداية الشريط (نقاط، من 0 إلى 79999)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>الموضع X</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>بُعد الحافة العليا عن أعلى الشريط (نقاط)؛ يبقى العنصر داخل الشريط الذي ارتفاعه 300 نقطة</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>الموضع Y</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>التدوير باتجاه عقارب الساعة (بالدرجات، من 0 إلى 180)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>زاوية التدوير</translation>
        </message>
        <message>
            <source>打印机有两个计数器：这个对象打印哪一个</source>
            <translation>للطابعة عدّادان: العدّاد الذي يطبعه هذا العنصر</translation>
        </message>
        <message>
            <source>计数器</source>
            <translation>العداد</translation>
        </message>
        <message>
            <source>字体；列出的字体须安装在这台电脑上</source>
            <translation>الخط؛ يجب أن تكون الخطوط المدرجة مثبتة على هذا الحاسوب</translation>
        </message>
        <message>
            <source>字的高度（点，6 到 400）</source>
            <translation>ارتفاع الحرف (نقاط، من 6 إلى 400)</translation>
        </message>
        <message>
            <source>字符之间增加的距离（点，-100 到 200；负值使字符靠拢）</source>
            <translation>المسافة الإضافية بين الحروف (نقاط، من -100 إلى 200؛ القيم السالبة تقرّب الحروف)</translation>
        </message>
        <message>
            <source>字间距</source>
            <translation>تباعد الحروف</translation>
        </message>
        <message>
            <source>计数器打印的位数，不足的前面补零</source>
            <translation>عدد الخانات التي يطبعها العداد، مع إكمالها بأصفار في البداية</translation>
        </message>
        <message>
            <source>位数</source>
            <translation>عدد الخانات</translation>
        </message>
    </context>
    <context>
        <name>dataFile</name>
        <message>
            <source>找不到数据文件</source>
            <translation>لم يُعثر على ملف البيانات</translation>
        </message>
        <message>
            <source>数据文件只有 %1 行</source>
            <translation>في ملف البيانات %1 أسطر فقط</translation>
        </message>
        <message>
            <source>第 %1 行不是 UTF-8 文本</source>
            <translation>السطر %1 ليس نصاً بترميز UTF-8</translation>
        </message>
    </context>
    <context>
        <name>dataFileGroup</name>
        <message>
            <source>数据文件</source>
            <translation>ملف البيانات</translation>
        </message>
        <message>
            <source>内容来自数据文件</source>
            <translation>المحتوى من ملف بيانات</translation>
        </message>
        <message>
            <source>打印时内容取自数据文件的一行</source>
            <translation>عند الطباعة يكون المحتوى سطراً من ملف البيانات</translation>
        </message>
        <message>
            <source>内容来自串口</source>
            <translation>المحتوى من المنفذ التسلسلي</translation>
        </message>
        <message>
            <source>打印时内容取自打印机串口收到的数据</source>
            <translation>عند الطباعة يكون المحتوى ما تستقبله الطابعة عبر المنفذ التسلسلي</translation>
        </message>
        <message>
            <source>数据文件的路径，按原样保存在设计中</source>
            <translation>مسار ملف البيانات، يُحفظ في التصميم كما كُتب</translation>
        </message>
        <message>
            <source>数据文件路径</source>
            <translation>مسار ملف البيانات</translation>
        </message>
        <message>
            <source>选择…</source>
            <translation>اختيار…</translation>
        </message>
        <message>
            <source>选择数据文件</source>
            <translation>اختيار ملف البيانات</translation>
        </message>
        <message>
            <source>起始行</source>
            <translation>السطر الأول</translation>
        </message>
        <message>
            <source>打印的第一行（从 1 起）</source>
            <translation>أول سطر يُطبع (العد من 1)</translation>
        </message>
        <message>
            <source>结束行</source>
            <translation>السطر الأخير</translation>
        </message>
        <message>
            <source>打印的最后一行</source>
            <translation>آخر سطر يُطبع</translation>
        </message>
        <message>
            <source>当前行</source>
            <translation>السطر الحالي</translation>
        </message>
        <message>
            <source>打印机记录的当前行，只读</source>
            <translation>السطر الحالي كما سجلته الطابعة؛ للقراءة فقط</translation>
        </message>
        <message>
            <source>已全部打印</source>
            <translation>طُبع الكل</translation>
        </message>
        <message>
            <source>打印机记录的各行是否已全部打印，只读</source>
            <translation>هل سجلت الطابعة أن كل الأسطر قد طُبعت؛ للقراءة فقط</translation>
        </message>
        <message>
            <source>数据文件 (*.txt *.csv);;所有文件 (*)</source>
            <translation>ملفات البيانات (*.txt *.csv);;كل الملفات (*)</translation>
        </message>
        <message>
            <source>选择数据文件：UTF-8 文本，每行一条记录</source>
            <translation>اختيار ملف البيانات: نص UTF-8، سجل واحد في كل سطر</translation>
        </message>
    </context>
    <context>
        <name>designExport</name>
        <message>
            <source>图片 %1 × %2 像素过大</source>
            <translation>الصورة بحجم %1 × %2 بكسل كبيرة جدًا</translation>
        </message>
        <message>
            <source>内存不足</source>
            <translation>الذاكرة غير كافية</translation>
        </message>
        <message>
            <source>分辨率必须在 1 到 100000 之间</source>
            <translation>يجب أن تكون الدقة بين 1 و100000</translation>
        </message>
        <message>
            <source>无法生成文件内容</source>
            <translation>تعذّر إنشاء محتوى الملف</translation>
        </message>
        <message>
            <source>只有 PDF 能写多页</source>
            <translation>ملف PDF وحده يمكنه أن يحوي عدة صفحات</translation>
        </message>
    </context>
    <context>
        <name>designPack</name>
        <message>
            <source>%1：%2</source>
            <translation>%1: %2</translation>
        </message>
        <message>
            <source>找不到 %1</source>
            <translation>لم يُعثر على %1</translation>
        </message>
        <message>
            <source>无法读取 %1：%2</source>
            <translation>تعذرت قراءة %1: %2</translation>
        </message>
        <message>
            <source>两个不同的文件在打印机U盘上同名 %1：%2 和 %3</source>
            <translation>ملفان مختلفان سيحملان الاسم نفسه %1 على قرص الطابعة: %2 و %3</translation>
        </message>
        <message>
            <source>文件名为空</source>
            <translation>اسم الملف فارغ</translation>
        </message>
        <message>
            <source>文件名超过 255 个字符</source>
            <translation>اسم الملف أطول من 255 محرفاً</translation>
        </message>
        <message>
            <source>文件名中有 U 盘（FAT）不允许的字符 %1</source>
            <translation>يحوي اسم الملف محرفاً لا يسمح به قرص USB (FAT) %1</translation>
        </message>
        <message>
            <source>文件名以点或空格结尾</source>
            <translation>ينتهي اسم الملف بنقطة أو مسافة</translation>
        </message>
        <message>
            <source>%1 是保留的设备名</source>
            <translation>%1 اسم جهاز محجوز</translation>
        </message>
        <message>
            <source>无法创建文件夹 %1</source>
            <translation>تعذر إنشاء المجلد %1</translation>
        </message>
        <message>
            <source>无法写入 %1：%2</source>
            <translation>تعذرت كتابة %1: %2</translation>
        </message>
        <message>
            <source>无法写入 %1</source>
            <translation>تعذرت كتابة %1</translation>
        </message>
    </context>
    <context>
        <name>diagramTextItem</name>
        <message>
            <source>Input text</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>emptyPicture</name>
        <message>
            <source>无图像</source>
            <translation>لا توجد صورة</translation>
        </message>
        <message>
            <source>图片无法读取</source>
            <translation>تعذرت قراءة الصورة</translation>
        </message>
        <message>
            <source>内容无法生成二维码</source>
            <translation>لا يمكن إنشاء رمز QR من المحتوى</translation>
        </message>
        <message>
            <source>空文本</source>
            <translation>نص فارغ</translation>
        </message>
        <message>
            <source>找不到图片 %1</source>
            <translation>لم يُعثر على الصورة %1</translation>
        </message>
    </context>
    <context>
        <name>gs1DigitalLink</name>
        <message>
            <source>(%1) %2：输入的校验位是 %3，计算出的是 %4</source>
            <translation>(%1) %2: رقم التحقق المُدخل %3، والمحسوب %4</translation>
        </message>
        <message>
            <source>(%1) %2：长度为 %3，应为 %4</source>
            <translation>(%1) %2: الطول %3، ويجب أن يكون %4</translation>
        </message>
        <message>
            <source>(%1) %2：不允许的字符“%3”</source>
            <translation>(%1) %2: أحرف غير مسموح بها "%3"</translation>
        </message>
        <message>
            <source>(%1) %2：不是有效的日期 YYMMDD</source>
            <translation>(%1) %2: ليس تاريخًا صالحًا بالصيغة YYMMDD</translation>
        </message>
        <message>
            <source>(%1) %2：“%3”须写成有效的百分号编码</source>
            <translation>(%1) %2: يجب كتابة "%3" بترميز نسبة مئوية صالح</translation>
        </message>
        <message>
            <source>(%1) 不能写在路径中，应写在查询部分（?%1=…）</source>
            <translation>لا يمكن وضع (%1) في المسار؛ مكانه جزء الاستعلام (?%1=…)</translation>
        </message>
        <message>
            <source>路径中 (%1) 不能跟在 (%2) 之后</source>
            <translation>في المسار، لا يمكن أن يأتي (%1) بعد (%2)</translation>
        </message>
        <message>
            <source>路径中的 (%1) 不是 (%2) 的限定符</source>
            <translation>(%1) في المسار ليس مؤهِّلًا لـ (%2)</translation>
        </message>
        <message>
            <source>路径在 (%1) 之后缺少值</source>
            <translation>ينقص المسار قيمةٌ بعد (%1)</translation>
        </message>
        <message>
            <source>(%1) 出现了不止一次</source>
            <translation>(%1) يظهر أكثر من مرة</translation>
        </message>
        <message>
            <source>有效期 (17) %1 早于生产日期 (11) %2</source>
            <translation>تاريخ الانتهاء (17) %1 يسبق تاريخ الإنتاج (11) %2</translation>
        </message>
    </context>
    <context>
        <name>gs1DigitalLinkDialog</name>
        <message>
            <source>GS1 数字链接</source>
            <translation>رابط GS1 الرقمي</translation>
        </message>
        <message>
            <source>域名</source>
            <translation>النطاق</translation>
        </message>
        <message>
            <source>商品代码 GTIN (01)</source>
            <translation>رمز المنتج GTIN (01)</translation>
        </message>
        <message>
            <source>批号 (10)</source>
            <translation>رقم التشغيلة (10)</translation>
        </message>
        <message>
            <source>生产日期 (11)</source>
            <translation>تاريخ الإنتاج (11)</translation>
        </message>
        <message>
            <source>打印当天（日期占位符 yyMMdd）</source>
            <translation>يوم الطباعة (عنصر نائب للتاريخ yyMMdd)</translation>
        </message>
        <message>
            <source>有效期 (17)</source>
            <translation>تاريخ الانتهاء (17)</translation>
        </message>
        <message>
            <source>序列号 (21)</source>
            <translation>الرقم التسلسلي (21)</translation>
        </message>
        <message>
            <source>无</source>
            <translation>بلا</translation>
        </message>
        <message>
            <source>固定</source>
            <translation>ثابت</translation>
        </message>
        <message>
            <source>计数器</source>
            <translation>العدّاد</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>موافق</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>إلغاء</translation>
        </message>
        <message>
            <source>请输入 GTIN</source>
            <translation>أدخل رمز GTIN</translation>
        </message>
        <message>
            <source>域名须以 http:// 或 https:// 开头</source>
            <translation>يجب أن يبدأ النطاق بـ http:// أو https://</translation>
        </message>
        <message>
            <source>GTIN 只能含数字</source>
            <translation>يتكون رمز GTIN من أرقام فقط</translation>
        </message>
        <message>
            <source>GTIN 须为 8、12、13 或 14 位数字（含校验位）</source>
            <translation>يتكون رمز GTIN من 8 أو 12 أو 13 أو 14 رقمًا (مع رقم التحقق)</translation>
        </message>
        <message>
            <source>校验位应为 %1，输入的是 %2</source>
            <translation>يجب أن يكون رقم التحقق %1؛ وقد أُدخل %2</translation>
        </message>
        <message>
            <source>校验位 %1 正确</source>
            <translation>رقم التحقق %1 صحيح</translation>
        </message>
        <message>
            <source>链接网址的开头，例如 https://id.gs1.org</source>
            <translation>بداية عنوان الرابط، مثل https://id.gs1.org</translation>
        </message>
        <message>
            <source>商品代码：8、12、13 或 14 位数字，最后一位是校验位</source>
            <translation>رمز المنتج: 8 أو 12 أو 13 أو 14 رقمًا، آخرها رقم التحقق</translation>
        </message>
        <message>
            <source>商品代码 GTIN</source>
            <translation>رمز المنتج GTIN</translation>
        </message>
        <message>
            <source>批号，最多 20 个字符；可以空着</source>
            <translation>رقم الدفعة، حتى 20 حرفًا؛ يمكن تركه فارغًا</translation>
        </message>
        <message>
            <source>批号</source>
            <translation>الدفعة</translation>
        </message>
        <message>
            <source>生产日期取打印当天</source>
            <translation>تاريخ الإنتاج: يوم الطباعة</translation>
        </message>
        <message>
            <source>生产日期</source>
            <translation>تاريخ الإنتاج</translation>
        </message>
        <message>
            <source>在链接中加入有效期</source>
            <translation>إضافة تاريخ انتهاء الصلاحية إلى الرابط</translation>
        </message>
        <message>
            <source>有效期</source>
            <translation>تاريخ انتهاء الصلاحية</translation>
        </message>
        <message>
            <source>有效期的日期</source>
            <translation>اليوم الذي تنتهي فيه صلاحية المنتج</translation>
        </message>
        <message>
            <source>有效期日期</source>
            <translation>يوم انتهاء الصلاحية</translation>
        </message>
        <message>
            <source>序列号：无、固定的文字或打印机的计数器</source>
            <translation>الرقم التسلسلي: بلا، أو نص ثابت، أو عداد الطابعة</translation>
        </message>
        <message>
            <source>序列号类型</source>
            <translation>نوع الرقم التسلسلي</translation>
        </message>
        <message>
            <source>固定的序列号，最多 20 个字符</source>
            <translation>رقم تسلسلي ثابت، حتى 20 حرفًا</translation>
        </message>
        <message>
            <source>序列号</source>
            <translation>الرقم التسلسلي</translation>
        </message>
        <message>
            <source>计数器的位数（1 到 8）</source>
            <translation>عدد خانات العداد (من 1 إلى 8)</translation>
        </message>
        <message>
            <source>计数器位数</source>
            <translation>خانات العداد</translation>
        </message>
        <message>
            <source>把链接用作二维码的内容</source>
            <translation>استخدام الرابط محتوى لرمز QR</translation>
        </message>
        <message>
            <source>关闭，不改变二维码</source>
            <translation>إغلاق دون تغيير رمز QR</translation>
        </message>
    </context>
    <context>
        <name>imageSetting</name>
        <message>
            <source>Form</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>X</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Y</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>宽度</source>
            <translation>العرض</translation>
        </message>
        <message>
            <source>高度</source>
            <translation>الارتفاع</translation>
        </message>
        <message>
            <source>旋转</source>
            <translation>التدوير</translation>
        </message>
        <message>
            <source>选择图形</source>
            <translation>استعراض</translation>
        </message>
        <message>
            <source>反 色</source>
            <translation>عكس الألوان</translation>
        </message>
        <message>
            <source>文件名</source>
            <translation>مسار الملف</translation>
        </message>
        <message>
            <source>查找图片…</source>
            <translation>البحث عن الصورة…</translation>
        </message>
        <message>
            <source>图片文件不在设计所说的位置：选择它现在所在的文件，同一文件夹中也会查找其他缺少的图片</source>
            <translation>ملف الصورة ليس حيث يقول التصميم: اختر الملف حيث هو الآن؛ ويُبحث في المجلد نفسه عن الصور الناقصة الأخرى</translation>
        </message>
        <message>
            <source>查找缺少的图片</source>
            <translation>البحث عن الصورة الناقصة</translation>
        </message>
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>بُعد الحافة اليسرى عن بداية الشريط (نقاط، من 0 إلى 79999)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>الموضع X</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>بُعد الحافة العليا عن أعلى الشريط (نقاط)؛ يبقى العنصر داخل الشريط الذي ارتفاعه 300 نقطة</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>الموضع Y</translation>
        </message>
        <message>
            <source>图片的宽度（点，0 到 20000）</source>
            <translation>عرض الصورة (نقاط، من 0 إلى 20000)</translation>
        </message>
        <message>
            <source>图片宽度</source>
            <translation>عرض الصورة</translation>
        </message>
        <message>
            <source>图片的高度（点，0 到 400）</source>
            <translation>ارتفاع الصورة (نقاط، من 0 إلى 400)</translation>
        </message>
        <message>
            <source>图片高度</source>
            <translation>ارتفاع الصورة</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>التدوير باتجاه عقارب الساعة (بالدرجات، من 0 إلى 180)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>زاوية التدوير</translation>
        </message>
        <message>
            <source>选择一个图片文件（JPEG、BMP 或 PNG），转为黑白</source>
            <translation>اختيار ملف صورة (JPEG أو BMP أو PNG)؛ يُحوَّل إلى الأبيض والأسود</translation>
        </message>
        <message>
            <source>选择图片</source>
            <translation>اختيار صورة</translation>
        </message>
        <message>
            <source>黑白互换</source>
            <translation>تبديل الأسود والأبيض</translation>
        </message>
        <message>
            <source>反色</source>
            <translation>عكس الألوان</translation>
        </message>
        <message>
            <source>所选图片文件的路径；用“选择图形”更换</source>
            <translation>مسار ملف الصورة المختار؛ يُستبدل بزر “استعراض”</translation>
        </message>
        <message>
            <source>图片文件</source>
            <translation>ملف الصورة</translation>
        </message>
    </context>
    <context>
        <name>previewBar</name>
        <message>
            <source>打印预览</source>
            <translation>معاينة الطباعة</translation>
        </message>
        <message>
            <source>导出…</source>
            <translation>تصدير…</translation>
        </message>
        <message>
            <source>计数器1</source>
            <translation>العداد1</translation>
        </message>
        <message>
            <source>计数器2</source>
            <translation>العداد2</translation>
        </message>
        <message>
            <source>%1 个二维码的占位符位置与内容不符</source>
            <translation>%1 رمز QR: مواضع العناصر النائبة لا تطابق المحتوى</translation>
        </message>
        <message>
            <source>%1 个二维码的 GS1 数字链接有误</source>
            <translation>%1 من رموز QR تحمل رابط GS1 رقميًا به أخطاء</translation>
        </message>
        <message>
            <source>预览数据文件的第几行：每个内容来自数据文件的项目显示这一行，限于它自己的起始行和结束行</source>
            <translation>سطر ملف البيانات الذي تعرضه المعاينة: يعرض كل عنصر يأتي محتواه من ملف بيانات هذا السطر، ضمن سطره الأول والأخير</translation>
        </message>
        <message>
            <source>预览的数据文件行</source>
            <translation>سطر ملف البيانات المعاين</translation>
        </message>
        <message>
            <source>数据行 </source>
            <translation>السطر </translation>
        </message>
        <message>
            <source>把设计导出为 PNG、PDF 或 SVG</source>
            <translation>تصدير التصميم بصيغة PNG أو PDF أو SVG</translation>
        </message>
        <message>
            <source>显示喷印出来的样子</source>
            <translation>عرض التصميم كما يُطبع</translation>
        </message>
        <message>
            <source>预览所用的时刻</source>
            <translation>اللحظة التي تعرضها المعاينة</translation>
        </message>
        <message>
            <source>预览所用的计数器1的值</source>
            <translation>قيمة العداد 1 في المعاينة</translation>
        </message>
        <message>
            <source>预览所用的计数器2的值</source>
            <translation>قيمة العداد 2 في المعاينة</translation>
        </message>
        <message>
            <source>预览时刻</source>
            <translation>لحظة المعاينة</translation>
        </message>
    </context>
    <context>
        <name>qrGs1Check</name>
        <message>
            <source>扫描读出的 AI 与内容不同：%1</source>
            <translation>الرمز الممسوح يحمل معرّفات تطبيق أخرى: %1</translation>
        </message>
        <message>
            <source>GS1 数字链接：%1</source>
            <translation>رابط GS1 الرقمي: %1</translation>
        </message>
    </context>
    <context>
        <name>recordCheck</name>
        <message>
            <source>%1：起始行 %2、结束行 %3 不是一个行范围（行号从 1 起）</source>
            <translation>%1: السطر الأول %2 والسطر الأخير %3 ليسا نطاق أسطر (العد من 1)</translation>
        </message>
        <message>
            <source>%1：结束行 %2 超出数据文件的末尾（共 %3 行）</source>
            <translation>%1: السطر الأخير %2 بعد نهاية ملف البيانات (%3 أسطر)</translation>
        </message>
        <message>
            <source>%1 第 %2 行</source>
            <translation>%1 السطر %2</translation>
        </message>
        <message>
            <source>%1：空行</source>
            <translation>%1: سطر فارغ</translation>
        </message>
        <message>
            <source>%1：不是 UTF-8 文本</source>
            <translation>%1: ليس نصاً بترميز UTF-8</translation>
        </message>
        <message>
            <source>%1 %2：被拒绝（%3）：%4</source>
            <translation>%1 %2: مرفوض (%3): %4</translation>
        </message>
        <message>
            <source>%1 %2：没有能容纳它的二维码</source>
            <translation>%1 %2: لا يتسع له أي رمز QR</translation>
        </message>
        <message>
            <source>%1 %2：字体 %3 没有字符 %4</source>
            <translation>%1 %2: الخط %3 لا يحوي المحرف %4</translation>
        </message>
        <message>
            <source>%1 %2：项目伸到 x %3、y %4，超出打印条</source>
            <translation>%1 %2: يمتد العنصر إلى x %3 و y %4، خارج شريط الطباعة</translation>
        </message>
        <message>
            <source>（代之以 %1）</source>
            <translation> (استُبدل بـ %1)</translation>
        </message>
        <message>
            <source>%1：%2</source>
            <translation>%1: %2</translation>
        </message>
        <message>
            <source>数据文件：检查了 %1 行，%2 行有问题</source>
            <translation>ملفات البيانات: فُحص %1 سطراً، ورُفض %2</translation>
        </message>
    </context>
    <context>
        <name>safeWrite</name>
        <message>
            <source>是一个文件夹</source>
            <translation>مجلد</translation>
        </message>
        <message>
            <source>不是普通文件（管道、设备或套接字），不会被替换</source>
            <translation>ليس ملفًا عاديًا (أنبوب أو جهاز أو مقبس) ولن يُستبدل</translation>
        </message>
        <message>
            <source>没有文件名</source>
            <translation>لا يوجد اسم ملف</translation>
        </message>
    </context>
    <context>
        <name>scanFindings</name>
        <message>
            <source>扫描器读不出它</source>
            <translation>لا يقرؤه أي ماسح</translation>
        </message>
        <message>
            <source>%1 %2 画出来了，但扫描不出（%3）</source>
            <translation>%1 %2 مرسوم لكنه لا يُقرأ بالماسح (%3)</translation>
        </message>
        <message>
            <source>%1 %2：输入的校验位 %3 与计算出的 %4 不同，条码中用的是 %4</source>
            <translation>%1 %2: رقم التحقق المُدخل %3 يختلف عن الرقم المحسوب %4، وهو ما يحمله الرمز الشريطي</translation>
        </message>
        <message>
            <source>%1 %2：Code 128 无法编码 %3；条码中改为“?”</source>
            <translation>%1 %2: لا يستطيع Code 128 ترميز %3؛ ويحمل الرمز الشريطي "?" بدلًا منها</translation>
        </message>
        <message>
            <source>%1 %2：字符 %3 没有被编码</source>
            <translation>%1 %2: الأحرف %3 غير مرمّزة</translation>
        </message>
        <message>
            <source>%1 %2 扫描结果为 %3，而不是 %4</source>
            <translation>%1 %2 يُقرأ بالماسح على أنه %3 لا %4</translation>
        </message>
    </context>
    <context>
        <name>scenePreview</name>
        <message>
            <source>占位符位置与内容不符，无法预览</source>
            <translation>مواضع العناصر النائبة لا تطابق المحتوى؛ لا توجد معاينة</translation>
        </message>
        <message>
            <source>GS1 数字链接有误：</source>
            <translation>رابط GS1 رقمي به أخطاء:</translation>
        </message>
    </context>
    <context>
        <name>setTimeModeDialog</name>
        <message>
            <source>格式设置</source>
            <translation>إعدادات التنسيق</translation>
        </message>
        <message>
            <source>格式</source>
            <translation>التنسيق</translation>
        </message>
        <message>
            <source>后缀</source>
            <translation>اللاحقة</translation>
        </message>
        <message>
            <source>顺序</source>
            <translation>الترتيب</translation>
        </message>
        <message>
            <source>年:</source>
            <translation>السنة:</translation>
        </message>
        <message>
            <source>yyyy</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yy</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>取消</source>
            <translation>إلغاء</translation>
        </message>
        <message>
            <source>/</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>-</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>年</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>空格</source>
            <translation>مسافة</translation>
        </message>
        <message>
            <source>月:</source>
            <translation>الشهر:</translation>
        </message>
        <message>
            <source>MM</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>月</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>日:</source>
            <translation>اليوم:</translation>
        </message>
        <message>
            <source>dd</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>日</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>双空格</source>
            <translation>مسافتان</translation>
        </message>
        <message>
            <source>时:</source>
            <translation>الساعة:</translation>
        </message>
        <message>
            <source>hh</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>时</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>分:</source>
            <translation>الدقيقة:</translation>
        </message>
        <message>
            <source>mm</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>分</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>秒:</source>
            <translation>الثانية:</translation>
        </message>
        <message>
            <source>ss</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>秒</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>快速设置:</source>
            <translation>سريع:</translation>
        </message>
        <message>
            <source>yyyy年</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yy年</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yyyy/MM</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yy/MM</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yyyy.MM</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yyyy年MM月</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yyyy/MM/dd</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yy/MM/dd</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yyyy-MM-dd</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yy-MM-dd</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yyyy年MM月dd日</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yyyyMMdd</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yyyy/MM/dd hh时</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yy/MM/dd  hh时</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yyyy/MM/dd  hh:mm</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yy/MM/dd  hh:mm</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yyyy/MM/dd hh:mm:ss</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yy/MM/dd hh:mm:ss</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yyyy-MM-dd hh:mm:ss</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yy-MM-dd hh:mm:ss</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>yyyy年MM月dd日 hh时mm分ss秒</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>hh:mm:ss</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>dd.MM.yyyy</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>hh:mm</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>预览</source>
            <translation>معاينة</translation>
        </message>
        <message>
            <source>2016/07/01 08:30:00</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>确定</source>
            <translation>موافق</translation>
        </message>
        <message>
            <source>这一项的写法；选“取消”则不显示</source>
            <translation>طريقة كتابة هذا الجزء؛ “إلغاء” يحذفه</translation>
        </message>
        <message>
            <source>年的格式</source>
            <translation>تنسيق السنة</translation>
        </message>
        <message>
            <source>这一项后面的分隔符</source>
            <translation>الفاصل بعد هذا الجزء</translation>
        </message>
        <message>
            <source>年的后缀</source>
            <translation>فاصل السنة</translation>
        </message>
        <message>
            <source>这一项在格式中的位置（1 到 6）</source>
            <translation>موضع هذا الجزء في التنسيق (من 1 إلى 6)</translation>
        </message>
        <message>
            <source>年的顺序</source>
            <translation>موضع السنة</translation>
        </message>
        <message>
            <source>月的格式</source>
            <translation>تنسيق الشهر</translation>
        </message>
        <message>
            <source>月的后缀</source>
            <translation>فاصل الشهر</translation>
        </message>
        <message>
            <source>月的顺序</source>
            <translation>موضع الشهر</translation>
        </message>
        <message>
            <source>日的格式</source>
            <translation>تنسيق اليوم</translation>
        </message>
        <message>
            <source>日的后缀</source>
            <translation>فاصل اليوم</translation>
        </message>
        <message>
            <source>日的顺序</source>
            <translation>موضع اليوم</translation>
        </message>
        <message>
            <source>时的格式</source>
            <translation>تنسيق الساعة</translation>
        </message>
        <message>
            <source>时的后缀</source>
            <translation>فاصل الساعة</translation>
        </message>
        <message>
            <source>时的顺序</source>
            <translation>موضع الساعة</translation>
        </message>
        <message>
            <source>分的格式</source>
            <translation>تنسيق الدقيقة</translation>
        </message>
        <message>
            <source>分的后缀</source>
            <translation>فاصل الدقيقة</translation>
        </message>
        <message>
            <source>分的顺序</source>
            <translation>موضع الدقيقة</translation>
        </message>
        <message>
            <source>秒的格式</source>
            <translation>تنسيق الثانية</translation>
        </message>
        <message>
            <source>秒的后缀</source>
            <translation>فاصل الثانية</translation>
        </message>
        <message>
            <source>秒的顺序</source>
            <translation>موضع الثانية</translation>
        </message>
        <message>
            <source>常用的格式，选中即用</source>
            <translation>تنسيقات جاهزة؛ يُستخدم المختار فورًا</translation>
        </message>
        <message>
            <source>快速设置</source>
            <translation>تنسيقات سريعة</translation>
        </message>
        <message>
            <source>按上面各行组成格式并预览</source>
            <translation>تكوين التنسيق من الصفوف أعلاه ومعاينته</translation>
        </message>
        <message>
            <source>示例时刻按所选格式显示的样子</source>
            <translation>اللحظة النموذجية بالتنسيق المختار</translation>
        </message>
        <message>
            <source>预览结果</source>
            <translation>نتيجة المعاينة</translation>
        </message>
        <message>
            <source>使用这个格式</source>
            <translation>استخدام هذا التنسيق</translation>
        </message>
        <message>
            <source>关闭，不改变格式</source>
            <translation>إغلاق دون تغيير التنسيق</translation>
        </message>
    </context>
    <context>
        <name>sprReader</name>
        <message>
            <source>%1：%2 个字符，超过内容编辑器可容纳的 %3 个；设计软件只使用前 %3 个</source>
            <translation>%1: %2 حرفًا، أكثر من %3 التي يقبلها محرر المحتوى؛ ولا يستخدم المصمم إلا أول %3</translation>
        </message>
        <message>
            <source>%1：%2 个字符，超过日期时间格式允许的 %3 个；设计软件只使用前 %3 个</source>
            <translation>%1: %2 حرفًا، أكثر من %3 المسموح بها لتنسيق التاريخ والوقت؛ ولا يستخدم المصمم إلا أول %3</translation>
        </message>
        <message>
            <source>项目超过 %1 个；不读取任何内容</source>
            <translation>أكثر من %1 عنصر؛ لا يُقرأ أي شيء</translation>
        </message>
        <message>
            <source>设计软件显示一个占位框，打印机什么也不打印</source>
            <translation>يعرض المصمم إطارًا بديلًا، ولا تطبع الطابعة شيئًا</translation>
        </message>
        <message>
            <source>“[FileInfo]”之前有 UTF-8 字节顺序标记；打印机可能无法读取该文件</source>
            <translation>توجد علامة ترتيب بايتات UTF-8 قبل "[FileInfo]"؛ وقد لا تقرأ الطابعة الملف</translation>
        </message>
        <message>
            <source>这一行不是有效的 UTF-8（是 GBK 等其他编码？）；设计软件以 U+FFFD 显示这些字节，保存时会替换它们</source>
            <translation>السطر ليس نصًا صالحًا بترميز UTF-8 (ترميز آخر مثل GBK؟)؛ يعرض المصمم U+FFFD مكان تلك البايتات ويستبدلها الحفظ</translation>
        </message>
        <message>
            <source>这一行含有 NUL 字节，打印机可能把它当作行尾</source>
            <translation>يحتوي السطر على بايت NUL، وقد تعدّه الطابعة نهايته</translation>
        </message>
        <message>
            <source>应为“%1 =”，实为 %2；缺少或多出一行会使后面的每一行错位</source>
            <translation>كان المتوقع "%1 =" فوُجد %2؛ السطر الناقص أو الزائد يزيح كل الأسطر التالية</translation>
        </message>
        <message>
            <source>%1：%2 不是数字；读作 0</source>
            <translation>%1: %2 ليس عددًا؛ ويُقرأ 0</translation>
        </message>
        <message>
            <source>%1：%2 不是整数；读作 0</source>
            <translation>%1: %2 ليس عددًا صحيحًا؛ ويُقرأ 0</translation>
        </message>
        <message>
            <source>%1：%2 不是有限的数字；读作 0</source>
            <translation>%1: %2 ليس عددًا منتهيًا؛ ويُقرأ 0</translation>
        </message>
        <message>
            <source>%1：%2 超出设计软件允许的范围 %3 到 %4；读取器取 %5</source>
            <translation>%1: %2 خارج النطاق من %3 إلى %4 الذي يسمح به المصمم؛ ويأخذ القارئ %5</translation>
        </message>
        <message>
            <source>%1：%2 超出设计软件允许的范围 %3 到 %4</source>
            <translation>%1: %2 خارج النطاق من %3 إلى %4 الذي يسمح به المصمم</translation>
        </message>
        <message>
            <source>缺少文件头：第一行是 %1，不是“[FileInfo]”；不读取任何内容</source>
            <translation>الترويسة مفقودة: السطر الأول هو %1 وليس "[FileInfo]"؛ لا يُقرأ أي شيء</translation>
        </message>
        <message>
            <source>TotalItemNum 为 %1，但文件中有 %2 个项目段</source>
            <translation>قيمة TotalItemNum هي %1 لكن الملف يحتوي على %2 من أقسام العناصر</translation>
        </message>
        <message>
            <source>文件在读完 TotalItemNum 所列 %2 个项目中的 %1 个后结束</source>
            <translation>ينتهي الملف بعد %1 من العناصر الـ%2 التي يذكرها TotalItemNum</translation>
        </message>
        <message>
            <source>应为项目段的标题，实为 %1；这一行占去一个项目，并使后面的每一段错位</source>
            <translation>كان المتوقع ترويسة قسم عنصر فوُجد %1؛ يستهلك السطر عنصرًا واحدًا ويزيح كل الأقسام التالية</translation>
        </message>
        <message>
            <source>从这里起的行不会被读取：已读完 TotalItemNum 个项目</source>
            <translation>لا تُقرأ الأسطر من هنا فصاعدًا: قُرئ بالفعل عدد العناصر الذي يذكره TotalItemNum</translation>
        </message>
        <message>
            <source>文件在这一段中结束：它的 %2 个键行中缺少最后 %1 个，读作 0 或空</source>
            <translation>ينتهي الملف داخل هذا القسم: آخر %1 من أسطر مفاتيحه الـ%2 مفقودة وتُقرأ 0 أو فارغة</translation>
        </message>
        <message>
            <source>BarContent 为空：设计软件显示 %1，打印机得不到内容</source>
            <translation>BarContent فارغ: يعرض المصمم %1، ولا تتلقى الطابعة أي محتوى</translation>
        </message>
        <message>
            <source>BarContent %1 不被该码制接受（代码 %2：%3）；%4</source>
            <translation>يرفض نظام الترميز قيمة BarContent %1 (الرمز %2: %3)؛ %4</translation>
        </message>
        <message>
            <source>QRcodeInsertCntPos %1 超出内容的 %2 个字符；打印机无法在那里插入序号</source>
            <translation>QRcodeInsertCntPos %1 يقع خارج أحرف المحتوى الـ%2؛ ولا تستطيع الطابعة إدراج العدّاد هناك</translation>
        </message>
        <message>
            <source>QRcodeInsertTimePos %1 超出内容的 %2 个字符；打印机无法在那里插入日期时间</source>
            <translation>QRcodeInsertTimePos %1 يقع خارج أحرف المحتوى الـ%2؛ ولا تستطيع الطابعة إدراج التاريخ والوقت هناك</translation>
        </message>
        <message>
            <source>QRcodeContent 为空：设计软件显示“empty!”，打印机得不到内容</source>
            <translation>QRcodeContent فارغ: يعرض المصمم "empty!"، ولا تتلقى الطابعة أي محتوى</translation>
        </message>
        <message>
            <source>QRcodeScale 为 0：二维码没有图像；%1</source>
            <translation>قيمة QRcodeScale هي 0: ليس لرمز QR صورة؛ %1</translation>
        </message>
        <message>
            <source>QRcodeContent %1 在此纠错等级下对任何二维码版本都太长，或 QRcodeVersion 大于 40；不显示符号（%2）</source>
            <translation>QRcodeContent %1 أطول من أن يسعه أي إصدار لرمز QR بهذا المستوى، أو أن QRcodeVersion أكبر من 40؛ لا يُعرض أي رمز (%2)</translation>
        </message>
        <message>
            <source>图片 %1 无法作为图片读取（或太大）；以“NO IMG”代替显示</source>
            <translation>تعذّرت قراءة الصورة %1 كصورة (أو أنها كبيرة جدًا)؛ ويُعرض "NO IMG" مكانها</translation>
        </message>
        <message>
            <source>找不到图片 %1（也在文档旁及其“bmp”文件夹中找过）；以“NO IMG”代替显示</source>
            <translation>لم يُعثر على الصورة %1 (بُحث عنها أيضًا بجوار المستند وفي مجلده "bmp")؛ ويُعرض "NO IMG" مكانها</translation>
        </message>
        <message>
            <source>图像显示为 %1 x %2 像素（ImageWidth、ImageHeight），因此没有图像；%3</source>
            <translation>تُعرض الصورة بحجم %1 x %2 بكسل (ImageWidth، ImageHeight)، لذا ليس لها صورة؛ %3</translation>
        </message>
        <message>
            <source>文件大于读取器最多接受的 %1 MiB（%2 字节）</source>
            <translation>الملف أكبر من %1 MiB (%2 بايت)، وهو أقصى ما يقبله القارئ</translation>
        </message>
        <message>
            <source>%1：字体描述中的像素大小 %2 超过 %3；读取器取 %3</source>
            <translation>%1: حجم الخط بالبكسل %2 في وصف الخط يتجاوز %3؛ ويأخذ القارئ %3</translation>
        </message>
        <message>
            <source>%1：字体描述中的磅值 %2 超过 %3；读取器取 %3</source>
            <translation>%1: حجم الخط بالنقاط %2 في وصف الخط يتجاوز %3؛ ويأخذ القارئ %3</translation>
        </message>
        <message>
            <source>文件第一行不是 [FileInfo]，不是设计文件</source>
            <translation>السطر الأول من الملف ليس [FileInfo]: هذا ليس ملف تصميم</translation>
        </message>
        <message>
            <source>文件中的项目超过 %1 个，无法完整打开</source>
            <translation>يحتوي الملف على أكثر من %1 عنصر ولا يمكن فتحه بالكامل</translation>
        </message>
        <message>
            <source>图片将超过读取器对单张图片 %1 MiB 的限额：设计软件显示一个占位框而不绘制它</source>
            <translation>ستتجاوز الصورة الحد الذي يسمح به القارئ للصورة الواحدة وهو %1 MiB: يعرض المصمم إطارًا بديلًا بدلًا من رسمها</translation>
        </message>
        <message>
            <source>项目从 x %1 伸到 %2，越过纸带在 %3 的末端；打印机只打印纸带上的部分</source>
            <translation>يمتد العنصر من x %1 إلى %2، متجاوزًا نهاية الشريط عند %3؛ تطبع الطابعة الجزء الموجود على الشريط فقط</translation>
        </message>
        <message>
            <source>%1 %2：项目的最下一行在打印条的最后一行之下；它的 Y 最多为 %3</source>
            <translation>%1 %2: يقع السطر الأخير من العنصر أسفل السطر الأخير من الشريط؛ يمكن أن تكون قيمة Y بحد أقصى %3</translation>
        </message>
        <message>
            <source>BarHeight %1 与 BarLineHeight %2 画出的高度 %3 不同；条码按 BarHeight 画出，条高 %4</source>
            <translation>يختلف BarHeight %1 عن الارتفاع %3 الذي يرسمه BarLineHeight %2؛ يُرسم الرمز الشريطي بارتفاع BarHeight، بأشرطة ارتفاعها %4</translation>
        </message>
        <message>
            <source>TextContent 为空：设计软件显示“空文本”框，打印机不打印任何内容</source>
            <translation>TextContent فارغ: يعرض المصمم إطار "نص فارغ"، ولا تطبع الطابعة شيئًا</translation>
        </message>
        <message>
            <source>有一张图片超出读取器对单张图片 %1 MiB 的限额；不读取任何内容</source>
            <translation>إحدى الصور تتجاوز الحد الذي يسمح به القارئ للصورة الواحدة وهو %1 MiB؛ لا يُقرأ أي شيء</translation>
        </message>
    </context>
    <context>
        <name>sprWriter</name>
        <message>
            <source>设计有 %1 个项目，超过读取器接受的 %2 个；未写入文件</source>
            <translation>يحتوي التصميم على %1 عنصر، أي أكثر من %2 التي يقبلها القارئ؛ لم يُكتب شيء</translation>
        </message>
        <message>
            <source>文件将有 %1 字节，超过读取器接受的 %2 MiB；未写入文件</source>
            <translation>سيكون حجم الملف %1 بايت، أي أكثر من %2 MiB التي يقبلها القارئ؛ لم يُكتب شيء</translation>
        </message>
    </context>
    <context>
        <name>sprtool</name>
        <message>
            <source>成功</source>
            <translation>نجاح</translation>
        </message>
        <message>
            <source>内容被拒绝（barcode、qr）或发现问题（check）</source>
            <translation>رُفض المحتوى (barcode، qr) أو وُجدت ملاحظات (check)</translation>
        </message>
        <message>
            <source>用法错误、输入无法读取或输出失败；失败时不留下输出文件</source>
            <translation>خطأ في الاستخدام أو تعذّر قراءة المدخل أو فشل الإخراج؛ لا يبقى أي ملف ناتج</translation>
        </message>
        <message>
            <source>显示本命令的用法</source>
            <translation>عرض طريقة استخدام هذا الأمر</translation>
        </message>
        <message>
            <source>退出码：</source>
            <translation>رموز الخروج:</translation>
        </message>
        <message>
            <source>用法：</source>
            <translation>الاستخدام:</translation>
        </message>
        <message>
            <source>不需要显示器，绘制、查看、检查并重新保存标签设计。</source>
            <translation>يرسم تصاميم الملصقات ويعرضها ويفحصها ويعيد حفظها دون الحاجة إلى شاشة.</translation>
        </message>
        <message>
            <source>显示本用法</source>
            <translation>عرض طريقة الاستخدام هذه</translation>
        </message>
        <message>
            <source>显示版本</source>
            <translation>عرض الإصدار</translation>
        </message>
        <message>
            <source>命令：</source>
            <translation>الأوامر:</translation>
        </message>
        <message>
            <source>用“sprtool COMMAND --help”查看命令的用法。</source>
            <translation>شغّل "sprtool COMMAND --help" لعرض طريقة استخدام الأمر.</translation>
        </message>
        <message>
            <source>选项：</source>
            <translation>الخيارات:</translation>
        </message>
        <message>
            <source>文件名“-”表示标准输入或标准输出；“--”之后的参数都不是选项。</source>
            <translation>اسم الملف "-" يعني الدخل القياسي أو الخرج القياسي؛ ولا يُعدّ أي وسيط بعد "--" خيارًا.</translation>
        </message>
        <message>
            <source>未知命令“%1”</source>
            <translation>أمر غير معروف "%1"</translation>
        </message>
        <message>
            <source>未知选项“%1”</source>
            <translation>خيار غير معروف "%1"</translation>
        </message>
        <message>
            <source>选项 %1 只能给一次</source>
            <translation>لا يجوز إعطاء الخيار %1 إلا مرة واحدة</translation>
        </message>
        <message>
            <source>选项 %1 的值“%2”无效：%3</source>
            <translation>قيمة غير صالحة "%2" لـ %1: %3</translation>
        </message>
        <message>
            <source>缺少参数 %1</source>
            <translation>الوسيط %1 مفقود</translation>
        </message>
        <message>
            <source>多余的参数“%1”</source>
            <translation>وسيط غير متوقع "%1"</translation>
        </message>
        <message>
            <source>没有给出输出（-o 文件，或 - 表示标准输出）</source>
            <translation>لم يُحدَّد الإخراج (-o ملف، أو - للخرج القياسي)</translation>
        </message>
        <message>
            <source>内容只能给一次：参数或 --content-file 二选一</source>
            <translation>أُعطي المحتوى مرتين: استخدم الوسيط أو --content-file وليس كليهما</translation>
        </message>
        <message>
            <source>输出只能给一次：参数或 -o 二选一</source>
            <translation>أُعطي الإخراج مرتين: استخدم الوسيط أو -o وليس كليهما</translation>
        </message>
        <message>
            <source>标准输入（-）只能读取一次</source>
            <translation>لا يمكن قراءة الدخل القياسي (-) إلا مرة واحدة</translation>
        </message>
        <message>
            <source>用“sprtool %1 --help”查看用法</source>
            <translation>شغّل "sprtool %1 --help" لعرض طريقة الاستخدام</translation>
        </message>
        <message>
            <source>无法读取 %1：%2</source>
            <translation>تعذّرت قراءة %1: %2</translation>
        </message>
        <message>
            <source>无法写入 %1：%2</source>
            <translation>تعذّرت الكتابة إلى %1: %2</translation>
        </message>
        <message>
            <source>标准输入</source>
            <translation>الدخل القياسي</translation>
        </message>
        <message>
            <source>标准输出</source>
            <translation>الخرج القياسي</translation>
        </message>
        <message>
            <source>超过 %1 字节</source>
            <translation>أكبر من %1 بايت</translation>
        </message>
        <message>
            <source>不是 UTF-8 文本</source>
            <translation>ليس نصًا بترميز UTF-8</translation>
        </message>
        <message>
            <source>字体“%1”未安装，改用“%2”</source>
            <translation>الخط "%1" غير مثبّت، ويُستخدم "%2" بدلًا منه</translation>
        </message>
        <message>
            <source>错误代码 %1：%2</source>
            <translation>رمز الخطأ %1: %2</translation>
        </message>
        <message>
            <source>没有生成二维码：内容太长，或版本、比例超出范围</source>
            <translation>لم يُرسم رمز QR: المحتوى طويل جدًا أو الإصدار أو المقياس خارج النطاق</translation>
        </message>
        <message>
            <source>应为正整数</source>
            <translation>يُتوقَّع عدد صحيح موجب</translation>
        </message>
        <message>
            <source>应为整数</source>
            <translation>يُتوقَّع عدد صحيح</translation>
        </message>
        <message>
            <source>应为大于 0 的数</source>
            <translation>يُتوقَّع عدد أكبر من 0</translation>
        </message>
        <message>
            <source>应为 L、M、Q、H 或 0 到 3</source>
            <translation>يُتوقَّع L أو M أو Q أو H أو من 0 إلى 3</translation>
        </message>
        <message>
            <source>、</source>
            <comment>between symbology names</comment>
            <translation> أو </translation>
        </message>
        <message>
            <source>%1 或 0 到 %2</source>
            <translation>%1 أو من 0 إلى %2</translation>
        </message>
        <message>
            <source>应为 %1</source>
            <translation>يُتوقَّع %1</translation>
        </message>
        <message>
            <source>写入的文件；“-”表示标准输出</source>
            <translation>الملف المراد كتابته؛ "-" للخرج القياسي</translation>
        </message>
        <message>
            <source>按条码项目的样子绘制一个条码，写成 PNG；SYMBOLOGY 为 %1</source>
            <translation>يرسم رمزًا شريطيًا كما يعرضه عنصر الرمز الشريطي ويكتبه بصيغة PNG؛ وSYMBOLOGY هي %1</translation>
        </message>
        <message>
            <source>模块宽度（像素）</source>
            <translation>عرض الوحدة (بكسل)</translation>
        </message>
        <message>
            <source>条高（像素）</source>
            <translation>ارتفاع الأشرطة (بكسل)</translation>
        </message>
        <message>
            <source>条下不显示文字</source>
            <translation>بلا نص تحت الأشرطة</translation>
        </message>
        <message>
            <source>按二维码项目的样子绘制一个二维码，写成 PNG</source>
            <translation>يرسم رمز QR كما يعرضه عنصر رمز QR ويكتبه بصيغة PNG</translation>
        </message>
        <message>
            <source>纠错等级</source>
            <translation>مستوى تصحيح الأخطاء</translation>
        </message>
        <message>
            <source>二维码版本（0 为自动）</source>
            <translation>إصدار رمز QR (0 للاختيار التلقائي)</translation>
        </message>
        <message>
            <source>每个模块的像素数</source>
            <translation>عدد البكسلات لكل وحدة</translation>
        </message>
        <message>
            <source>反色</source>
            <translation>ألوان معكوسة</translation>
        </message>
        <message>
            <source>以 JSON Lines 输出设计的内容，每个文件一个对象</source>
            <translation>يطبع محتوى التصميم بصيغة JSON Lines، كائنًا واحدًا لكل ملف</translation>
        </message>
        <message>
            <source>逐行报告会让打印机或设计软件误读设计的地方</source>
            <translation>يبلغ سطرًا بسطر عمّا قد يجعل الطابعة أو المصمم يسيء قراءة التصميم</translation>
        </message>
        <message>
            <source>读入设计，用设计软件的写入方式重新保存（OUT 或 -o）</source>
            <translation>يقرأ التصميم ويحفظه من جديد كما يكتبه المصمم (OUT أو -o)</translation>
        </message>
        <message>
            <source>用“sprtool --help”查看用法</source>
            <translation>شغّل "sprtool --help" لعرض طريقة الاستخدام</translation>
        </message>
        <message>
            <source>字体“%1”未安装，也没有可替代的字体</source>
            <translation>الخط "%1" غير مثبّت، ولا يوجد خط بديل عنه</translation>
        </message>
        <message>
            <source>从文件读取内容（“-”表示标准输入），最多 64 MiB；去掉末尾的一个换行</source>
            <translation>قراءة المحتوى من ملف ("-" للدخل القياسي) حتى 64 MiB؛ ويُحذف سطر جديد واحد في النهاية</translation>
        </message>
        <message>
            <source>选项 %1 缺少值</source>
            <translation>الخيار %1 يحتاج إلى قيمة</translation>
        </message>
        <message>
            <source>选项 %1 不带值</source>
            <translation>الخيار %1 لا يأخذ قيمة</translation>
        </message>
        <message>
            <source>没有生成二维码：内容为空</source>
            <translation>لم يُرسم رمز QR: المحتوى فارغ</translation>
        </message>
        <message>
            <source>应为 ISO 8601 日期时间，例如 2024-02-29T23:59:00</source>
            <translation>يجب أن يكون تاريخًا ووقتًا بصيغة ISO 8601، مثل 2024-02-29T23:59:00</translation>
        </message>
        <message>
            <source>应为 0 到 99999999 的整数</source>
            <translation>يجب أن يكون عددًا صحيحًا من 0 إلى 99999999</translation>
        </message>
        <message>
            <source>按画布的样子把设计绘制成 PNG，或按扩展名写成 PDF、SVG</source>
            <translation>يرسم التصميم كما تعرضه اللوحة ويكتبه بصيغة PNG، أو PDF أو SVG بحسب امتداد الملف الناتج</translation>
        </message>
        <message>
            <source>PNG 的缩放比例（默认 1）</source>
            <translation>مقياس صورة PNG (1 ما لم يُحدَّد)</translation>
        </message>
        <message>
            <source>每英寸的打印点数，决定 PDF、SVG 的页面大小（默认 72）</source>
            <translation>نقاط الطابعة لكل بوصة، وتحدد حجم صفحة PDF وSVG (72 ما لم يُحدَّد)</translation>
        </message>
        <message>
            <source>按打印机在这一时刻打印的样子绘制（时间、序号和二维码占位符）</source>
            <translation>يرسم ما تطبعه الطابعة في هذه اللحظة (الأوقات والعدادات وعناصر QR النائبة)</translation>
        </message>
        <message>
            <source>预览时序号 1 的值（默认 0）</source>
            <translation>قيمة العداد 1 في المعاينة (0 ما لم يُحدَّد)</translation>
        </message>
        <message>
            <source>预览时序号 2 的值（默认 0）</source>
            <translation>قيمة العداد 2 في المعاينة (0 ما لم يُحدَّد)</translation>
        </message>
        <message>
            <source>注（本机）：%1</source>
            <translation>ملاحظة (هذا الجهاز): %1</translation>
        </message>
        <message>
            <source>QRcodeContent %1（打印为 %2）</source>
            <translation>QRcodeContent %1 (يُطبع كـ %2)</translation>
        </message>
        <message>
            <source>%1：GS1 数字链接 %2</source>
            <translation>%1: رابط GS1 الرقمي %2</translation>
        </message>
        <message>
            <source>按打印机在这一时刻（默认现在）填入二维码占位符后检查 GS1 数字链接</source>
            <translation>افحص روابط GS1 الرقمية بعد ملء العناصر النائبة لرموز QR كما تطبعها الطابعة في هذه اللحظة (الافتراضي: الآن)</translation>
        </message>
        <message>
            <source>--batch 不能与内容参数或 --content-file 同时使用</source>
            <translation>لا يمكن استخدام ‎--batch‎ مع وسيط CONTENT أو ‎--content-file‎</translation>
        </message>
        <message>
            <source>使用 --batch 时，-o 必须是含有 {n} 或 {content} 的文件名</source>
            <translation>مع ‎--batch‎ يجب أن يكون ‎-o‎ اسم ملف يحتوي على {n} أو {content}</translation>
        </message>
        <message>
            <source>第 %1 行：%2</source>
            <translation>السطر %1: %2</translation>
        </message>
        <message>
            <source>文件名 %1 已由第 %2 行写入，未覆盖</source>
            <translation>اسم الملف %1 كُتب بالفعل للسطر %2؛ لم يُستبدل</translation>
        </message>
        <message>
            <source>每行一个内容（“-”表示标准输入），逐行写入 -o 给出的文件名：{n} 为补零的行号，{content} 为改成可作文件名的内容</source>
            <translation>محتوى واحد في كل سطر (“-” للإدخال القياسي)، يُكتب كل منها إلى اسم الملف في ‎-o‎: ‏{n} رقم السطر مكمّلًا بالأصفار، و{content} المحتوى بعد جعله صالحًا لأسماء الملفات</translation>
        </message>
        <message>
            <source>代替每个数据文件项目所指的数据文件（“-”表示标准输入）</source>
            <translation>استخدم هذا الملف بدلاً من ملف البيانات الذي يسميه كل عنصر ("-" للدخل القياسي)</translation>
        </message>
        <message>
            <source>pack 需要设计的文件，不能读标准输入</source>
            <translation>يحتاج pack إلى ملف التصميم، لا إلى الدخل القياسي</translation>
        </message>
        <message>
            <source>%1 中已有 %2；用 --force 替换</source>
            <translation>يحوي %1 بالفعل %2؛ الخيار --force يستبدلها</translation>
        </message>
        <message>
            <source>把设计、它用到的图片（bmp/）和数据文件按打印机U盘的布局写入 -o 给出的文件夹</source>
            <translation>اكتب التصميم والصور التي يستخدمها (bmp/) وملفات بياناته في المجلد الذي يسميه -o بترتيب قرص USB الخاص بالطابعة</translation>
        </message>
        <message>
            <source>写入的文件夹（打印机U盘）</source>
            <translation>المجلد الذي يُكتب فيه (قرص USB الخاص بالطابعة)</translation>
        </message>
        <message>
            <source>替换文件夹中已有的文件</source>
            <translation>استبدل الملفات الموجودة في المجلد</translation>
        </message>
        <message>
            <source>内容来自数据文件的项目显示数据文件的第 N 行（限于各自的起始行和结束行）</source>
            <translation>تعرض العناصر التي يأتي محتواها من ملف بيانات السطر N منه (ضمن سطرها الأول والأخير)</translation>
        </message>
        <message>
            <source>%1 单独可以扫描，但在打印的位置扫描不出：%2</source>
            <translation>%1 يُقرأ منفردًا لكن لا يُقرأ في موضع طباعته: %2</translation>
        </message>
        <message>
            <source>应为 1 到 200 之间的一个数，或用逗号分开的两个数（横向,纵向）</source>
            <translation>المتوقع رقم من 1 إلى 200، أو رقمان بينهما فاصلة (عرضًا،طولًا)</translation>
        </message>
        <message>
            <source>打印机每毫米的点数，横向（纸带的 300 点）和纵向；默认用设计软件中的设置</source>
            <translation>نقاط الطابعة لكل مليمتر، عرضًا (نقاط الشريط الـ 300) وطولًا؛ الافتراضي: إعداد المصمم</translation>
        </message>
        <message>
            <source>%1 经不起墨水扩散：每根条每边加粗 1 点就扫描不出</source>
            <translation>%1 لا يتحمل انتشار الحبر: لا يُقرأ إذا زاد عرض كل خط نقطة واحدة من كل جانب</translation>
        </message>
        <message>
            <source>应为两个行号 A-B，1 ≤ A ≤ B（例如 1-50）</source>
            <translation>المتوقع رقما سطرين A-B حيث 1 ≤ A ≤ B (مثل 1-50)</translation>
        </message>
        <message>
            <source>一次最多 %1 页</source>
            <translation>%1 صفحة على الأكثر في المرة الواحدة</translation>
        </message>
        <message>
            <source>--record 与 --records 只能二选一</source>
            <translation>أعط ‎--record أو ‎--records، لا كليهما</translation>
        </message>
        <message>
            <source>--records 每行写一页，只有 PDF 有多页：请用 -o 文件名.pdf</source>
            <translation>‎--records يكتب صفحة لكل سطر، وملف PDF وحده له صفحات: أعط ‎-o NAME.pdf</translation>
        </message>
        <message>
            <source>第 A 到 B 行每行一页，如 --record 所画（只用于 PDF）</source>
            <translation>صفحة لكل سطر من A إلى B، مرسومة كما يرسمها ‎--record (‏PDF فقط)</translation>
        </message>
        <message>
            <source>数据文件“%1”第 %2 行：%3；该项目不绘制</source>
            <translation>ملف البيانات "%1" السطر %2: %3؛ لا يُرسم العنصر</translation>
        </message>
    </context>
    <context>
        <name>startup</name>
        <message>
            <source>喷码机标签设计软件</source>
            <translation>مصمم ملصقات لطابعات الترميز النافثة للحبر</translation>
        </message>
        <message>
            <source>要打开的设计文件 (.spr)</source>
            <translation>ملف التصميم المراد فتحه (.spr)</translation>
        </message>
        <message>
            <source>只能打开一个文件</source>
            <translation>يمكن فتح ملف واحد فقط</translation>
        </message>
    </context>
    <context>
        <name>symbolVerdict</name>
        <message>
            <source>✓ %1</source>
            <translation>✓ %1</translation>
        </message>
        <message>
            <source>✗ 无法识别：%1</source>
            <translation>✗ غير مقروء: %1</translation>
        </message>
        <message>
            <source>没有图片</source>
            <translation>لا توجد صورة</translation>
        </message>
        <message>
            <source>符号损坏</source>
            <translation>الرمز تالف</translation>
        </message>
        <message>
            <source>校验不符</source>
            <translation>التحقق غير مطابق</translation>
        </message>
        <message>
            <source>未找到符号</source>
            <translation>لم يُعثر على رمز</translation>
        </message>
        <message>
            <source>“%1”</source>
            <translation>“%1”</translation>
        </message>
        <message>
            <source>输入的校验位 %1 与计算出的校验位 %2 不同，条码中是 %2</source>
            <translation>رقم التحقق المُدخل %1 يختلف عن رقم التحقق المحسوب %2؛ الرمز الشريطي يحمل %2</translation>
        </message>
        <message>
            <source>多余的字符 %1 未编码</source>
            <translation>الأحرف الزائدة %1 غير مُرمّزة</translation>
        </message>
        <message>
            <source>UPC-E 的数制位 %1 按 0 的规则编码</source>
            <translation>رقم نظام الترقيم %1 في UPC-E مُرمّز وفق قواعد 0</translation>
        </message>
        <message>
            <source>Code 128 无法编码的字符 %1 被替换为 “?”</source>
            <translation>الأحرف %1 التي لا يستطيع Code 128 ترميزها استُبدلت بـ “?”</translation>
        </message>
        <message>
            <source>超出长度的字符 %1 未编码</source>
            <translation>الأحرف %1 التي تتجاوز الطول المسموح غير مُرمّزة</translation>
        </message>
        <message>
            <source>扫描结果与预期的 %1 不同</source>
            <translation>نتيجة المسح تختلف عن المتوقع %1</translation>
        </message>
        <message>
            <source>内容无法编码：%1</source>
            <translation>تعذّر ترميز المحتوى: %1</translation>
        </message>
    </context>
    <context>
        <name>textSetting</name>
        <message>
            <source>Form</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>X</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Y</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>旋转</source>
            <translation>التدوير</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>الخط</translation>
        </message>
        <message>
            <source>字号</source>
            <translation>الحجم</translation>
        </message>
        <message>
            <source>间距</source>
            <translation>التباعد</translation>
        </message>
        <message>
            <source>宋体</source>
            <translation>Simsun</translation>
        </message>
        <message>
            <source>黑体</source>
            <translation>Simhei</translation>
        </message>
        <message>
            <source>微软雅黑</source>
            <translation>Microsoft Yahei</translation>
        </message>
        <message>
            <source>楷体</source>
            <translation>SimKai</translation>
        </message>
        <message>
            <source>Arial</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>华文彩云</source>
            <translation>STCaiyun</translation>
        </message>
        <message>
            <source>隶体</source>
            <translation>LiTi</translation>
        </message>
        <message>
            <source>方正超细</source>
            <translation>FounderXi</translation>
        </message>
        <message>
            <source>方正古隶</source>
            <translation>FounderLi</translation>
        </message>
        <message>
            <source>点阵繁体</source>
            <translation>dot_1</translation>
        </message>
        <message>
            <source>点阵汉字</source>
            <translation>Dot</translation>
        </message>
        <message>
            <source>7点阵圆点</source>
            <translation>dot_2</translation>
        </message>
        <message>
            <source>7点阵方点</source>
            <translation>dot_3</translation>
        </message>
        <message>
            <source>8点阵圆点</source>
            <translation>dot_4</translation>
        </message>
        <message>
            <source>常用点阵</source>
            <translation>dot_5</translation>
        </message>
        <message>
            <source>Arabic</source>
            <translation>العربية</translation>
        </message>
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>بُعد الحافة اليسرى عن بداية الشريط (نقاط، من 0 إلى 79999)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>الموضع X</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>بُعد الحافة العليا عن أعلى الشريط (نقاط)؛ يبقى العنصر داخل الشريط الذي ارتفاعه 300 نقطة</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>الموضع Y</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>التدوير باتجاه عقارب الساعة (بالدرجات، من 0 إلى 180)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>زاوية التدوير</translation>
        </message>
        <message>
            <source>字体；列出的字体须安装在这台电脑上</source>
            <translation>الخط؛ يجب أن تكون الخطوط المدرجة مثبتة على هذا الحاسوب</translation>
        </message>
        <message>
            <source>字的高度（点，6 到 400）</source>
            <translation>ارتفاع الحرف (نقاط، من 6 إلى 400)</translation>
        </message>
        <message>
            <source>字符之间增加的距离（点，-100 到 200；负值使字符靠拢）</source>
            <translation>المسافة الإضافية بين الحروف (نقاط، من -100 إلى 200؛ القيم السالبة تقرّب الحروف)</translation>
        </message>
        <message>
            <source>字间距</source>
            <translation>تباعد الحروف</translation>
        </message>
    </context>
    <context>
        <name>timeSetting</name>
        <message>
            <source>Form</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>X</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Y</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>旋转</source>
            <translation>التدوير</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>الخط</translation>
        </message>
        <message>
            <source>字号</source>
            <translation>الحجم</translation>
        </message>
        <message>
            <source>间距</source>
            <translation>التباعد</translation>
        </message>
        <message>
            <source>更改</source>
            <translation>تغيير</translation>
        </message>
        <message>
            <source>有效期(月)</source>
            <translation>الصلاحية (بالأشهر)</translation>
        </message>
        <message>
            <source>宋体</source>
            <translation>Simsun</translation>
        </message>
        <message>
            <source>黑体</source>
            <translation>Simhei</translation>
        </message>
        <message>
            <source>微软雅黑</source>
            <translation>Microsoft Yahei</translation>
        </message>
        <message>
            <source>楷体</source>
            <translation>SimKai</translation>
        </message>
        <message>
            <source>Arial</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>华文彩云</source>
            <translation>STCaiyun</translation>
        </message>
        <message>
            <source>隶体</source>
            <translation>LiTi</translation>
        </message>
        <message>
            <source>方正超细</source>
            <translation>FounderXi</translation>
        </message>
        <message>
            <source>方正古隶</source>
            <translation>FounderLi</translation>
        </message>
        <message>
            <source>点阵繁体</source>
            <translation>dot_1</translation>
        </message>
        <message>
            <source>点阵汉字</source>
            <translation>Dot</translation>
        </message>
        <message>
            <source>7点阵圆点</source>
            <translation>dot_2</translation>
        </message>
        <message>
            <source>7点阵方点</source>
            <translation>dot_3</translation>
        </message>
        <message>
            <source>8点阵圆点</source>
            <translation>dot_4</translation>
        </message>
        <message>
            <source>常用点阵</source>
            <translation>dot_5</translation>
        </message>
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>بُعد الحافة اليسرى عن بداية الشريط (نقاط، من 0 إلى 79999)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>الموضع X</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>بُعد الحافة العليا عن أعلى الشريط (نقاط)؛ يبقى العنصر داخل الشريط الذي ارتفاعه 300 نقطة</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>الموضع Y</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>التدوير باتجاه عقارب الساعة (بالدرجات، من 0 إلى 180)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>زاوية التدوير</translation>
        </message>
        <message>
            <source>字体；列出的字体须安装在这台电脑上</source>
            <translation>الخط؛ يجب أن تكون الخطوط المدرجة مثبتة على هذا الحاسوب</translation>
        </message>
        <message>
            <source>字的高度（点，6 到 400）</source>
            <translation>ارتفاع الحرف (نقاط، من 6 إلى 400)</translation>
        </message>
        <message>
            <source>字符之间增加的距离（点，-100 到 200；负值使字符靠拢）</source>
            <translation>المسافة الإضافية بين الحروف (نقاط، من -100 إلى 200؛ القيم السالبة تقرّب الحروف)</translation>
        </message>
        <message>
            <source>字间距</source>
            <translation>تباعد الحروف</translation>
        </message>
        <message>
            <source>有效期（月，0 到 120）：不为 0 时显示的日期加上这么多个月再减一天</source>
            <translation>الصلاحية (بالأشهر، من 0 إلى 120): إذا لم تكن 0 فالتاريخ المعروض يتأخر بهذا العدد من الأشهر ناقص يوم واحد</translation>
        </message>
        <message>
            <source>有效期（月）</source>
            <translation>الصلاحية بالأشهر</translation>
        </message>
        <message>
            <source>选择日期和时间的格式</source>
            <translation>اختيار تنسيق التاريخ والوقت</translation>
        </message>
        <message>
            <source>更改格式</source>
            <translation>تغيير التنسيق</translation>
        </message>
    </context>
    <context>
        <name>placedScan</name>
        <message>
            <source>静区：%1项目在 %2 个模块处，需要 %3</source>
            <translation>المنطقة الهادئة: عنصر %1 على بعد %2 وحدة، والمطلوب %3</translation>
        </message>
        <message>
            <source>被纸带边缘截断</source>
            <translation>مقطوع عند حافة الشريط</translation>
        </message>
        <message>
            <source>被%1项目遮盖</source>
            <translation>مغطى بعنصر %1</translation>
        </message>
        <message>
            <source>文本</source>
            <translation>نص</translation>
        </message>
        <message>
            <source>计数器</source>
            <translation>عداد</translation>
        </message>
        <message>
            <source>计数器2</source>
            <translation>عداد 2</translation>
        </message>
        <message>
            <source>条码</source>
            <translation>باركود</translation>
        </message>
        <message>
            <source>图片</source>
            <translation>صورة</translation>
        </message>
        <message>
            <source>时间</source>
            <translation>وقت</translation>
        </message>
        <message>
            <source>二维码</source>
            <translation>رمز QR</translation>
        </message>
        <message>
            <source>其他</source>
            <translation>آخر</translation>
        </message>
        <message>
            <source>模块 %1 mm，符号 %2 × %3 mm</source>
            <translation>الوحدة %1 مم، الرمز %2 × %3 مم</translation>
        </message>
        <message>
            <source>模块小于 %1 的最小值 %2 mm（%3）</source>
            <translation>الوحدة أصغر من الحد الأدنى لـ %1 وهو %2 مم (%3)</translation>
        </message>
        <message>
            <source>；经得起 %1 点的墨水扩散、%2 点的变细</source>
            <translation>؛ يتحمل انتشار الحبر %1 نقطة والترقق %2 نقطة</translation>
        </message>
    </context>
    <context>
        <name>scanVerdictLabel</name>
        <message>
            <source>打印尺寸</source>
            <translation>الحجم المطبوع</translation>
        </message>
        <message>
            <source>按打印机分辨率计算的模块和符号尺寸</source>
            <translation>حجم الوحدة والرمز بدقة الطابعة</translation>
        </message>
    </context>
    <context>
        <name>printerDialog</name>
        <message>
            <source>取消</source>
            <translation>إلغاء</translation>
        </message>
        <message>
            <source>打印机分辨率</source>
            <translation>دقة الطابعة</translation>
        </message>
        <message>
            <source>无法保存设置文件。</source>
            <translation>تعذّر حفظ ملف الإعدادات.</translation>
        </message>
        <message>
            <source>横向（300 点的喷头方向）每毫米的点数</source>
            <translation>عدد النقاط لكل مليمتر عرضًا (باتجاه رأس الطباعة ذي 300 نقطة)</translation>
        </message>
        <message>
            <source>横向（点/毫米）</source>
            <translation>عرضًا (نقطة/مم)</translation>
        </message>
        <message>
            <source>沿打印方向每毫米的点数</source>
            <translation>عدد النقاط لكل مليمتر باتجاه الطباعة</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>موافق</translation>
        </message>
        <message>
            <source>纵向（点/毫米）</source>
            <translation>طولًا (نقطة/مم)</translation>
        </message>
        <message>
            <source>保存分辨率；标尺随即按它标出毫米</source>
            <translation>حفظ الدقة؛ تُعلِّم المساطر المليمترات وفقها فورًا</translation>
        </message>
        <message>
            <source>关闭，不改变分辨率</source>
            <translation>إغلاق دون تغيير الدقة</translation>
        </message>
    </context>
    <context>
        <name>recentFiles</name>
        <message>
            <source>文件 %1 已不存在，已从列表中移除。</source>
            <translation>الملف %1 لم يعد موجودًا؛ أُزيل من القائمة.</translation>
        </message>
        <message>
            <source>最近的文件</source>
            <translation>الملفات الأخيرة</translation>
        </message>
        <message>
            <source>清除列表</source>
            <translation>مسح القائمة</translation>
        </message>
        <message>
            <source>清除最近打开的文件列表</source>
            <translation>مسح قائمة الملفات المفتوحة مؤخرًا</translation>
        </message>
    </context>
    <context>
        <name>recoveryKeeper</name>
        <message>
            <source>丢弃</source>
            <translation>تجاهل</translation>
        </message>
        <message>
            <source>以后再说</source>
            <translation>لاحقًا</translation>
        </message>
        <message>
            <source>恢复设计</source>
            <translation>استعادة التصميم</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>فتح</translation>
        </message>
        <message>
            <source>未命名</source>
            <translation>بلا عنوان</translation>
        </message>
        <message>
            <source>设计 %1 上次没有正常关闭。要打开 %2 保存的恢复副本吗？</source>
            <translation>لم يُغلق التصميم %1 بشكل صحيح في المرة السابقة. هل تريد فتح نسخة الاستعادة المحفوظة في %2؟</translation>
        </message>
    </context>
    <context>
        <name>languageMenu</name>
        <message>
            <source>无法保存语言设置 %1：%2</source>
            <translation>تعذّر حفظ إعداد اللغة %1: %2</translation>
        </message>
        <message>
            <source>界面的语言</source>
            <translation>لغة الواجهة</translation>
        </message>
        <message>
            <source>语言</source>
            <translation>اللغة</translation>
        </message>
    </context>
    <context>
        <name>layoutAids</name>
        <message>
            <source>%1 点</source>
            <translation>%1 نقطة</translation>
        </message>
        <message>
            <source>三个及以上对象之间的间距相等</source>
            <translation>مسافات متساوية بين ثلاثة عناصر أو أكثر</translation>
        </message>
        <message>
            <source>分布</source>
            <translation>توزيع</translation>
        </message>
        <message>
            <source>右对齐</source>
            <translation>محاذاة لليمين</translation>
        </message>
        <message>
            <source>在喷印高度居中</source>
            <translation>توسيط في ارتفاع الطباعة</translation>
        </message>
        <message>
            <source>垂直居中对齐</source>
            <translation>محاذاة المراكز الرأسية</translation>
        </message>
        <message>
            <source>对齐</source>
            <translation>محاذاة</translation>
        </message>
        <message>
            <source>左对齐</source>
            <translation>محاذاة لليسار</translation>
        </message>
        <message>
            <source>底端对齐</source>
            <translation>محاذاة للأسفل</translation>
        </message>
        <message>
            <source>所选对象在 300 点的高度内居中</source>
            <translation>توسيط العناصر المحددة ضمن ارتفاع 300 نقطة</translation>
        </message>
        <message>
            <source>所选对象在最上面，保存时排在最前</source>
            <translation>تصبح العناصر المحددة في الأعلى وتأتي أولًا في الملف المحفوظ</translation>
        </message>
        <message>
            <source>所选对象在最下面，保存时排在最后</source>
            <translation>تصبح العناصر المحددة في الأسفل وتأتي أخيرًا في الملف المحفوظ</translation>
        </message>
        <message>
            <source>所选对象的上边对齐</source>
            <translation>محاذاة الحواف العلوية للعناصر المحددة</translation>
        </message>
        <message>
            <source>所选对象的下边对齐</source>
            <translation>محاذاة الحواف السفلية للعناصر المحددة</translation>
        </message>
        <message>
            <source>所选对象的右边对齐</source>
            <translation>محاذاة الحواف اليمنى للعناصر المحددة</translation>
        </message>
        <message>
            <source>所选对象的垂直中心对齐</source>
            <translation>محاذاة المراكز الرأسية للعناصر المحددة</translation>
        </message>
        <message>
            <source>所选对象的左边对齐</source>
            <translation>محاذاة الحواف اليسرى للعناصر المحددة</translation>
        </message>
        <message>
            <source>所选对象的水平中心对齐</source>
            <translation>محاذاة المراكز الأفقية للعناصر المحددة</translation>
        </message>
        <message>
            <source>排列</source>
            <translation>ترتيب</translation>
        </message>
        <message>
            <source>无网格</source>
            <translation>بلا شبكة</translation>
        </message>
        <message>
            <source>水平居中对齐</source>
            <translation>محاذاة المراكز الأفقية</translation>
        </message>
        <message>
            <source>水平等距分布</source>
            <translation>توزيع أفقي</translation>
        </message>
        <message>
            <source>网格</source>
            <translation>الشبكة</translation>
        </message>
        <message>
            <source>置于底层</source>
            <translation>إرسال إلى الخلف</translation>
        </message>
        <message>
            <source>置于顶层</source>
            <translation>إحضار إلى الأمام</translation>
        </message>
        <message>
            <source>顶端对齐</source>
            <translation>محاذاة للأعلى</translation>
        </message>
    </context>
    <context>
        <name>designView</name>
        <message>
            <source>X %1 Y %2 点（%3 × %4 毫米）</source>
            <translation>X %1 Y %2 نقطة (%3 × %4 مم)</translation>
        </message>
        <message>
            <source>所选 %1 × %2 点（%3 × %4 毫米）</source>
            <translation>التحديد %1 × %2 نقطة (%3 × %4 مم)</translation>
        </message>
        <message>
            <source>状态栏</source>
            <translation>سطر الحالة</translation>
        </message>
    </context>
    <context>
        <name>helpPage</name>
        <message>
            <source>Ctrl+N 新建，Ctrl+O 打开，Ctrl+S 保存，Ctrl+Z 撤销，Ctrl+Y 重做，Ctrl+X/C/V 剪切、复制、粘贴，Ctrl+Shift+D 复制一份，Ctrl+A 全选，Delete 删除，方向键移动 1 点（Shift 加方向键 10 点），Ctrl+加号/减号 缩放，Ctrl+0 原始比例。</source>
            <translation>Ctrl+N جديد، Ctrl+O فتح، Ctrl+S حفظ، Ctrl+Z تراجع، Ctrl+Y إعادة، Ctrl+X/C/V قص ونسخ ولصق، Ctrl+Shift+D تكرار، Ctrl+A تحديد الكل، Delete حذف، مفاتيح الأسهم تنقل نقطة واحدة (Shift مع السهم 10 نقاط)، Ctrl+زائد/ناقص للتكبير والتصغير، Ctrl+0 المقياس الأصلي.</translation>
        </message>
        <message>
            <source>“打印预览”按所选的时刻和计数器值显示喷印的样子，不改变设计；“导出…”把设计存为 PNG、PDF 或 SVG。</source>
            <translation>"معاينة الطباعة" تعرض الطباعة في اللحظة وقيم العدادات المختارة دون تغيير التصميم؛ "تصدير…" يحفظ التصميم بصيغة PNG أو PDF أو SVG.</translation>
        </message>
        <message>
            <source>“排列”对齐、居中、等距分布所选对象，并可置于顶层或底层；保存时顶层的对象排在最前。网格默认关闭，打开后拖动的对象落在网格上。每一步都可以撤销。</source>
            <translation>"ترتيب" يحاذي العناصر المحددة ويوسطها ويوزعها ويحضرها إلى الأمام أو يرسلها إلى الخلف؛ العنصر الأعلى يأتي أولًا في الملف المحفوظ. الشبكة مغلقة افتراضيًا؛ وعند تشغيلها تستقر العناصر المسحوبة عليها. يمكن التراجع عن كل خطوة.</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>إغلاق</translation>
        </message>
        <message>
            <source>喷印条</source>
            <translation>شريط الطباعة</translation>
        </message>
        <message>
            <source>喷头一次喷出 300 点的高度；画布上的虚线框是喷印条，从 0 到 300 点高，长度到设计的末端。标尺以点和毫米标出位置，毫米按“打印机分辨率”换算。对象不能移出喷印条。</source>
            <translation>يطبع رأس الطباعة ارتفاع 300 نقطة دفعة واحدة؛ الإطار المتقطع على اللوحة هو الشريط، من 0 إلى 300 نقطة ارتفاعًا وبطول التصميم. تبين المساطر المواضع بالنقاط والمليمترات، وتُحسب المليمترات بحسب "دقة الطابعة". لا يمكن للعناصر مغادرة الشريط.</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>مساعدة</translation>
        </message>
        <message>
            <source>快捷键</source>
            <translation>اختصارات لوحة المفاتيح</translation>
        </message>
        <message>
            <source>打印预览</source>
            <translation>معاينة الطباعة</translation>
        </message>
        <message>
            <source>排列</source>
            <translation>ترتيب</translation>
        </message>
        <message>
            <source>数据文件与恢复</source>
            <translation>الملفات والاستعادة</translation>
        </message>
        <message>
            <source>设计保存为 .spr 文件；“文件”菜单列出最近的文件。设计有未保存的修改时，程序每 30 秒内保存一份恢复副本；程序意外结束后，下次启动时可以打开它。</source>
            <translation>تُحفظ التصاميم كملفات ‎.spr؛ وتعرض قائمة "ملف" الملفات الأخيرة. ما دام في التصميم تغييرات غير محفوظة تُحفظ نسخة استعادة كل 30 ثانية على الأكثر؛ وبعد انتهاء البرنامج على نحو غير متوقع يمكن فتحها عند التشغيل التالي.</translation>
        </message>
        <message>
            <source>程序的简短说明；Esc 关闭</source>
            <translation>دليل مختصر للبرنامج؛ يغلقه مفتاح Esc</translation>
        </message>
        <message>
            <source>关闭帮助</source>
            <translation>إغلاق المساعدة</translation>
        </message>
        <message>
            <source>键盘操作</source>
            <translation>لوحة المفاتيح</translation>
        </message>
        <message>
            <source>画布有焦点时，Tab 和 Shift+Tab 沿喷印条逐个选择对象，并显示它的设置；最后一个对象之后，Tab 移到下一个控件。每个控件都有提示，鼠标停在上面即可看到。</source>
            <translation>عندما يكون التركيز على اللوحة، يحدد Tab و Shift+Tab العناصر واحدًا تلو الآخر على طول الشريط ويعرضان إعداداتها؛ بعد العنصر الأخير ينتقل Tab إلى عنصر التحكم التالي. لكل عنصر تحكم تلميح: أبقِ المؤشر فوقه لرؤيته.</translation>
        </message>
    </context>
</TS>
