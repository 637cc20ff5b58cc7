<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="zh_CN">
    <context>
        <name>QObject</name>
        <message>
            <source>条码格式错误，本条码为13位阿拉伯数字！</source>
            <translation>Barkod biçimi hatalı, bu barkod 13 rakamdan oluşur!</translation>
        </message>
        <message>
            <source>条码格式错误，本条码为8位阿拉伯数字！</source>
            <translation>Barkod biçimi hatalı, bu barkod 8 rakamdan oluşur!</translation>
        </message>
        <message>
            <source>条码格式错误，本条码内容仅包含数字与大写字母及部分符号！</source>
            <translation>Barkod biçimi hatalı, bu barkod yalnızca rakam, büyük harf ve bazı simgeler içerebilir!</translation>
        </message>
        <message>
            <source>条码格式错误，本条码为12位阿拉伯数字！</source>
            <translation>Barkod biçimi hatalı, bu barkod 12 rakamdan oluşur!</translation>
        </message>
        <message>
            <source>条码格式错误，本条码内容仅包含数字与英文字母及部分符号！</source>
            <translation>Barkod biçimi hatalı, bu barkod yalnızca rakam, Latin harfleri ve bazı simgeler içerebilir!</translation>
        </message>
        <message>
            <source>条码格式错误！</source>
            <translation>Barkod biçimi hatalı!</translation>
        </message>
        <message>
            <source>警告</source>
            <translation>Uyarı</translation>
        </message>
        <message>
            <source>确认</source>
            <translation>Tamam</translation>
        </message>
        <message>
            <source>第 %1 个字符“%2”无法用该码制编码。</source>
            <translation>%1. karakter "%2" bu simgelemde kodlanamaz.</translation>
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
            <translation>Tamam</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>计数器类型</source>
            <translation>Sayaç Türü</translation>
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
            <translation>Zaman Ayarı</translation>
        </message>
        <message>
            <source>二维码的内容；计数器和时间的占位符加在末尾</source>
            <translation>QR kodun içeriği; sayaç ve saat yer tutucuları sonuna eklenir</translation>
        </message>
        <message>
            <source>内容</source>
            <translation>İçerik</translation>
        </message>
        <message>
            <source>把内容用到二维码</source>
            <translation>İçeriği QR koda uygula</translation>
        </message>
        <message>
            <source>关闭，不改变二维码</source>
            <translation>QR kodu değiştirmeden kapat</translation>
        </message>
        <message>
            <source>选择位数，在内容末尾加入计数器的占位符</source>
            <translation>İçeriğin sonuna sayaç yer tutucusu eklemek için basamak sayısını seçin</translation>
        </message>
        <message>
            <source>计数器位数</source>
            <translation>Sayaç basamakları</translation>
        </message>
        <message>
            <source>选择日期时间格式，在内容末尾加入时间的占位符</source>
            <translation>İçeriğin sonuna saat yer tutucusu eklemek için tarih ve saat biçimi seçin</translation>
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
            <translation>Döndürme</translation>
        </message>
        <message>
            <source>精度</source>
            <translation>Düzey</translation>
        </message>
        <message>
            <source>低</source>
            <translation>Düşük</translation>
        </message>
        <message>
            <source>中</source>
            <translation>Orta</translation>
        </message>
        <message>
            <source>高</source>
            <translation>Yüksek</translation>
        </message>
        <message>
            <source>精准</source>
            <translation>Hassas</translation>
        </message>
        <message>
            <source>缩放</source>
            <translation>Ölçek</translation>
        </message>
        <message>
            <source>边长</source>
            <translation>Kenar</translation>
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
            <translation>Değişken</translation>
        </message>
        <message>
            <source>GS1 数字链接</source>
            <translation>GS1 Dijital Bağlantı</translation>
        </message>
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>Sol kenarın şeridin başlangıcına uzaklığı (nokta, 0 ile 79999 arası)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>X konumu</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>Üst kenarın şeridin üstüne uzaklığı (nokta); öğe 300 noktalık şeridin dışına çıkmaz</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>Y konumu</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>Saat yönünde döndürme (derece, 0 ile 180 arası)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>Döndürme açısı</translation>
        </message>
        <message>
            <source>纠错等级：越高越能承受污损，符号也越大</source>
            <translation>Hata düzeltme düzeyi: yüksek düzey daha fazla hasara dayanır ama sembolü büyütür</translation>
        </message>
        <message>
            <source>纠错等级</source>
            <translation>Hata düzeltme düzeyi</translation>
        </message>
        <message>
            <source>一个模块的边长（点，0 到 77）</source>
            <translation>Bir modülün kenarı (nokta, 0 ile 77 arası)</translation>
        </message>
        <message>
            <source>模块大小</source>
            <translation>Modül boyutu</translation>
        </message>
        <message>
            <source>符号每边的模块数</source>
            <translation>Sembolün her kenarındaki modül sayısı</translation>
        </message>
        <message>
            <source>符号大小</source>
            <translation>Sembol boyutu</translation>
        </message>
        <message>
            <source>在内容中加入计数器或日期时间</source>
            <translation>İçeriğe bir sayaç veya tarih ve saat ekle</translation>
        </message>
        <message>
            <source>可变内容</source>
            <translation>Değişken içerik</translation>
        </message>
        <message>
            <source>用 GS1 数字链接组成内容：商品代码、批号、日期、序列号</source>
            <translation>İçeriği GS1 Dijital Bağlantı olarak oluştur: GTIN, parti, tarihler, seri numarası</translation>
        </message>
    </context>
    <context>
        <name>Widget</name>
        <message>
            <source>编辑软件</source>
            <translation>Düzenleyici</translation>
        </message>
        <message>
            <source>文字</source>
            <translation>Metin</translation>
        </message>
        <message>
            <source>时间</source>
            <translation>Zaman</translation>
        </message>
        <message>
            <source>序号1</source>
            <translation>Sayaç1</translation>
        </message>
        <message>
            <source>序号2</source>
            <translation>Sayaç2</translation>
        </message>
        <message>
            <source>图片</source>
            <translation>Resim</translation>
        </message>
        <message>
            <source>条形码</source>
            <translation>Barkod</translation>
        </message>
        <message>
            <source>二维码</source>
            <translation>QR Kod</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Sil</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>Dosya</translation>
        </message>
        <message>
            <source>完成</source>
            <translation>Tamam</translation>
        </message>
        <message>
            <source>新建</source>
            <translation>Yeni</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>Aç</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Kaydet</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Farklı Kaydet</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Çıkış</translation>
        </message>
        <message>
            <source>打开文件</source>
            <translation>Dosya Aç</translation>
        </message>
        <message>
            <source>Spr Files(*.spr )</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>保存文件</source>
            <translation>Dosyayı Kaydet</translation>
        </message>
        <message>
            <source>*.spr</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>无法保存文件 %1：%2</source>
            <translation>%1 dosyası kaydedilemedi: %2</translation>
        </message>
        <message>
            <source>无法打开文件 %1：%2</source>
            <translation>%1 dosyası açılamadı: %2</translation>
        </message>
        <message>
            <source>打开图片</source>
            <translation>Resim Aç</translation>
        </message>
        <message>
            <source>%</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>撤销</source>
            <translation>Geri al</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>Yinele</translation>
        </message>
        <message>
            <source>新建对象</source>
            <translation>Yeni öğe</translation>
        </message>
        <message>
            <source>移动</source>
            <translation>Taşı</translation>
        </message>
        <message>
            <source>剪切</source>
            <translation>Kes</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Kopyala</translation>
        </message>
        <message>
            <source>粘贴</source>
            <translation>Yapıştır</translation>
        </message>
        <message>
            <source>复制一份</source>
            <translation>Çoğalt</translation>
        </message>
        <message>
            <source>全选</source>
            <translation>Tümünü seç</translation>
        </message>
        <message>
            <source>放大</source>
            <translation>Yakınlaştır</translation>
        </message>
        <message>
            <source>缩小</source>
            <translation>Uzaklaştır</translation>
        </message>
        <message>
            <source>适合窗口</source>
            <translation>Pencereye sığdır</translation>
        </message>
        <message>
            <source>原始比例</source>
            <translation>Başlangıç yakınlığı (%58)</translation>
        </message>
        <message>
            <source>设计已修改，是否保存？</source>
            <translation>Tasarım değiştirildi. Değişiklikler kaydedilsin mi?</translation>
        </message>
        <message>
            <source>不保存</source>
            <translation>Kaydetme</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>删除文件</source>
            <translation>Dosyayı Sil</translation>
        </message>
        <message>
            <source>确定要删除文件 %1 吗？</source>
            <translation>%1 dosyası silinsin mi?</translation>
        </message>
        <message>
            <source>无法删除文件 %1：%2</source>
            <translation>%1 dosyası silinemiyor: %2</translation>
        </message>
        <message>
            <source>导出</source>
            <translation>Dışa aktar</translation>
        </message>
        <message>
            <source>无法导出 %1：%2</source>
            <translation>%1 dışa aktarılamıyor: %2</translation>
        </message>
        <message>
            <source> 等 %1 行</source>
            <translation> ve diğerleri, toplam %1 satır</translation>
        </message>
        <message>
            <source>文件 %1 的第 %2 行不是 UTF-8 文本，显示为替换字符；保存后这些字符将丢失。</source>
            <translation>%1 dosyasının %2 satırı UTF-8 metni değil ve yedek karakterlerle gösteriliyor; kaydetmek bu karakterleri kaybettirir.</translation>
        </message>
        <message>
            <source>文件 %1 在打开或上次保存之后已被其他窗口或程序修改。覆盖这些修改吗？</source>
            <translation>%1 dosyası açıldıktan veya son kaydedildikten sonra başka bir pencere ya da program tarafından değiştirildi. Bu değişikliklerin üzerine yazılsın mı?</translation>
        </message>
        <message>
            <source>覆盖</source>
            <translation>Üzerine yaz</translation>
        </message>
        <message>
            <source>Image Files(*.jpg *.jpeg *.bmp *.png)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>文件 %1 中有设计软件没有读取的段，保存后它们将不再在文件中：%2。仍然保存吗？</source>
            <translation>%1 dosyasında tasarımcının okumadığı bölümler var; kaydettikten sonra bunlar artık dosyada olmayacak: %2. Yine de kaydedilsin mi?</translation>
        </message>
        <message>
            <source>第 %1 行的 %2</source>
            <translation>%1. satırdaki %2</translation>
        </message>
        <message>
            <source> 等 %1 段</source>
            <translation> ve diğerleri, toplam %1 bölüm</translation>
        </message>
        <message>
            <source>写入打印机U盘</source>
            <translation>Yazıcının USB diskine yaz</translation>
        </message>
        <message>
            <source>替换</source>
            <translation>Değiştir</translation>
        </message>
        <message>
            <source>写入打印机U盘…</source>
            <translation>Yazıcının USB diskine yaz…</translation>
        </message>
        <message>
            <source>请先保存设计：U盘上的设计使用它的文件名。</source>
            <translation>Önce tasarımı kaydedin: USB diskteki tasarım onun dosya adını alır.</translation>
        </message>
        <message>
            <source>选择打印机U盘的文件夹</source>
            <translation>Yazıcının USB diskinin klasörünü seçin</translation>
        </message>
        <message>
            <source>没有写入任何文件：</source>
            <translation>Hiçbir şey yazılmadı:</translation>
        </message>
        <message>
            <source>文件夹中已有这些文件，是否替换？</source>
            <translation>Klasörde bu dosyalar zaten var. Değiştirilsin mi?</translation>
        </message>
        <message>
            <source>已写入 %1 个文件到 %2</source>
            <translation>%1 dosya %2 klasörüne yazıldı</translation>
        </message>
        <message>
            <source>设计文件旁已有同名的其他图片：%1。用设计中的图片替换它们吗？</source>
            <translation>Tasarımın yanında aynı adlı başka resimler var: %1. Tasarımın resimleriyle değiştirilsin mi?</translation>
        </message>
        <message>
            <source>查找图片 %1</source>
            <translation>%1 resmini bul</translation>
        </message>
        <message>
            <source>Image Files(*.jpg *.bmp)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>文件第一行不是 [FileInfo]，不是设计文件</source>
            <translation>Dosyanın ilk satırı [FileInfo] değil: bu bir tasarım dosyası değil</translation>
        </message>
        <message>
            <source>文件中的项目超过 %1 个，无法完整打开</source>
            <translation>Dosyada %1 öğeden fazla var ve tamamı açılamıyor</translation>
        </message>
        <message>
            <source>文件超过 %1 MiB，无法打开</source>
            <translation>Dosya %1 MiB'tan büyük, açılamıyor</translation>
        </message>
        <message>
            <source>图片超过 %1 MiB，无法打开</source>
            <translation>Bir resim %1 MiB'tan büyük; dosya açılamıyor</translation>
        </message>
        <message>
            <source>打印机分辨率…</source>
            <translation>Yazıcı çözünürlüğü…</translation>
        </message>
        <message>
            <source>对齐、分布和叠放所选对象，网格</source>
            <translation>Seçili nesneleri hizala, dağıt ve sırala; ızgara</translation>
        </message>
        <message>
            <source>排列</source>
            <translation>Düzenle</translation>
        </message>
        <message>
            <source>全部</source>
            <translation>Tümü</translation>
        </message>
        <message>
            <source>适合设计：显示整个设计</source>
            <translation>Tasarıma sığdır: tüm tasarımı göster</translation>
        </message>
        <message>
            <source>适合高度：显示整个 300 点的高度</source>
            <translation>Yüksekliğe sığdır: 300 noktalık yüksekliğin tamamını göster</translation>
        </message>
        <message>
            <source>高度</source>
            <translation>Yükseklik</translation>
        </message>
        <message>
            <source>内容</source>
            <translation>İçerik</translation>
        </message>
        <message>
            <source>删除所选对象</source>
            <translation>Seçili nesneleri sil</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Yardım</translation>
        </message>
        <message>
            <source>所选文字、条形码或二维码的内容</source>
            <translation>Seçili metnin, barkodun veya QR kodun içeriği</translation>
        </message>
        <message>
            <source>把内容用到所选对象</source>
            <translation>İçeriği seçili nesneye uygula</translation>
        </message>
        <message>
            <source>新建、打开、保存文件，最近的文件，语言，帮助</source>
            <translation>Yeni, aç ve kaydet; son dosyalar; dil; yardım</translation>
        </message>
        <message>
            <source>添加二维码</source>
            <translation>QR kod ekle</translation>
        </message>
        <message>
            <source>添加图片</source>
            <translation>Resim ekle</translation>
        </message>
        <message>
            <source>添加序号1</source>
            <translation>Sayaç 1 ekle</translation>
        </message>
        <message>
            <source>添加序号2</source>
            <translation>Sayaç 2 ekle</translation>
        </message>
        <message>
            <source>添加文字</source>
            <translation>Metin ekle</translation>
        </message>
        <message>
            <source>添加时间</source>
            <translation>Tarih ve saat ekle</translation>
        </message>
        <message>
            <source>添加条形码</source>
            <translation>Barkod ekle</translation>
        </message>
        <message>
            <source>设计画布</source>
            <translation>Tasarım tuvali</translation>
        </message>
        <message>
            <source>设计画布：拖动对象，右键打开菜单</source>
            <translation>Tasarım tuvali: nesneleri sürükleyin; sağ tık menüyü açar</translation>
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
            <translation>Tür</translation>
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
            <translation>Yükseklik</translation>
        </message>
        <message>
            <source>旋转</source>
            <translation>Döndürme</translation>
        </message>
        <message>
            <source>显示数字</source>
            <translation>Metni Göster</translation>
        </message>
        <message>
            <source>模块宽度</source>
            <translation>Modül genişliği</translation>
        </message>
        <message>
            <source>条形码的码制</source>
            <translation>Barkod sembolojisi (kodlama türü)</translation>
        </message>
        <message>
            <source>码制</source>
            <translation>Barkod türü</translation>
        </message>
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>Sol kenarın şeridin başlangıcına uzaklığı (nokta, 0 ile 79999 arası)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>X konumu</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>Üst kenarın şeridin üstüne uzaklığı (nokta); öğe 300 noktalık şeridin dışına çıkmaz</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>Y konumu</translation>
        </message>
        <message>
            <source>条的高度（点，1 到 400）</source>
            <translation>Çubuk yüksekliği (nokta, 1 ile 400 arası)</translation>
        </message>
        <message>
            <source>条高</source>
            <translation>Çubuk yüksekliği</translation>
        </message>
        <message>
            <source>一个模块（最窄的条）的宽度（点，1 到 20）</source>
            <translation>Bir modülün (en ince çubuğun) genişliği, nokta, 1 ile 20 arası</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>Saat yönünde döndürme (derece, 0 ile 180 arası)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>Döndürme açısı</translation>
        </message>
        <message>
            <source>在条的下面打印人眼可读的数字</source>
            <translation>Çubukların altına okunabilir rakamları yazdır</translation>
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
            <translation>Döndürme</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Yazı tipi</translation>
        </message>
        <message>
            <source>字号</source>
            <translation>Boyut</translation>
        </message>
        <message>
            <source>间距</source>
            <translation>Aralık</translation>
        </message>
        <message>
            <source>类型</source>
            <translation>Basamak</translation>
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
            <translation>Sol kenarın şeridin başlangıcına uzaklığı (nokta, 0 ile 79999 arası)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>X konumu</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>Üst kenarın şeridin üstüne uzaklığı (nokta); öğe 300 noktalık şeridin dışına çıkmaz</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>Y konumu</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>Saat yönünde döndürme (derece, 0 ile 180 arası)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>Döndürme açısı</translation>
        </message>
        <message>
            <source>字体；列出的字体须安装在这台电脑上</source>
            <translation>Yazı tipi; listelenen yazı tipleri bu bilgisayarda kurulu olmalıdır</translation>
        </message>
        <message>
            <source>字的高度（点，6 到 400）</source>
            <translation>Karakter yüksekliği (nokta, 6 ile 400 arası)</translation>
        </message>
        <message>
            <source>字符之间增加的距离（点，-100 到 200；负值使字符靠拢）</source>
            <translation>Karakterler arasına eklenen boşluk (nokta, -100 ile 200 arası; eksi değerler karakterleri yaklaştırır)</translation>
        </message>
        <message>
            <source>字间距</source>
            <translation>Harf aralığı</translation>
        </message>
        <message>
            <source>计数器打印的位数，不足的前面补零</source>
            <translation>Sayacın yazdırdığı basamak sayısı, başı sıfırlarla doldurulur</translation>
        </message>
        <message>
            <source>位数</source>
            <translation>Basamak sayısı</translation>
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
            <translation>Döndürme</translation>
        </message>
        <message>
            <source>类别</source>
            <translation>Sayaç</translation>
        </message>
        <message>
            <source>计数器1</source>
            <translation>Sayaç1</translation>
        </message>
        <message>
            <source>计数器2</source>
            <translation>Sayaç2</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Yazı tipi</translation>
        </message>
        <message>
            <source>字号</source>
            <translation>Boyut</translation>
        </message>
        <message>
            <source>间距</source>
            <translation>Aralık</translation>
        </message>
        <message>
            <source>类型</source>
            <translation>Basamak</translation>
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
            <translation>Sol kenarın şeridin başlangıcına uzaklığı (nokta, 0 ile 79999 arası)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>X konumu</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>Üst kenarın şeridin üstüne uzaklığı (nokta); öğe 300 noktalık şeridin dışına çıkmaz</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>Y konumu</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>Saat yönünde döndürme (derece, 0 ile 180 arası)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>Döndürme açısı</translation>
        </message>
        <message>
            <source>打印机有两个计数器：这个对象打印哪一个</source>
            <translation>Yazıcının iki sayacı vardır: bu öğenin yazdırdığı sayaç</translation>
        </message>
        <message>
            <source>计数器</source>
            <translation>Sayaç</translation>
        </message>
        <message>
            <source>字体；列出的字体须安装在这台电脑上</source>
            <translation>Yazı tipi; listelenen yazı tipleri bu bilgisayarda kurulu olmalıdır</translation>
        </message>
        <message>
            <source>字的高度（点，6 到 400）</source>
            <translation>Karakter yüksekliği (nokta, 6 ile 400 arası)</translation>
        </message>
        <message>
            <source>字符之间增加的距离（点，-100 到 200；负值使字符靠拢）</source>
            <translation>Karakterler arasına eklenen boşluk (nokta, -100 ile 200 arası; eksi değerler karakterleri yaklaştırır)</translation>
        </message>
        <message>
            <source>字间距</source>
            <translation>Harf aralığı</translation>
        </message>
        <message>
            <source>计数器打印的位数，不足的前面补零</source>
            <translation>Sayacın yazdırdığı basamak sayısı, başı sıfırlarla doldurulur</translation>
        </message>
        <message>
            <source>位数</source>
            <translation>Basamak sayısı</translation>
        </message>
    </context>
    <context>
        <name>dataFile</name>
        <message>
            <source>找不到数据文件</source>
            <translation>veri dosyası bulunamadı</translation>
        </message>
        <message>
            <source>数据文件只有 %1 行</source>
            <translation>veri dosyasında yalnızca %1 satır var</translation>
        </message>
        <message>
            <source>第 %1 行不是 UTF-8 文本</source>
            <translation>%1. satır UTF-8 metni değil</translation>
        </message>
    </context>
    <context>
        <name>dataFileGroup</name>
        <message>
            <source>数据文件</source>
            <translation>Veri dosyası</translation>
        </message>
        <message>
            <source>内容来自数据文件</source>
            <translation>İçerik bir veri dosyasından</translation>
        </message>
        <message>
            <source>打印时内容取自数据文件的一行</source>
            <translation>Yazdırırken içerik veri dosyasının bir satırıdır</translation>
        </message>
        <message>
            <source>内容来自串口</source>
            <translation>İçerik seri hattan</translation>
        </message>
        <message>
            <source>打印时内容取自打印机串口收到的数据</source>
            <translation>Yazdırırken içerik yazıcının seri hattından aldığı veridir</translation>
        </message>
        <message>
            <source>数据文件的路径，按原样保存在设计中</source>
            <translation>Veri dosyasının yolu, tasarımda yazıldığı gibi saklanır</translation>
        </message>
        <message>
            <source>数据文件路径</source>
            <translation>Veri dosyası yolu</translation>
        </message>
        <message>
            <source>选择…</source>
            <translation>Seç…</translation>
        </message>
        <message>
            <source>选择数据文件</source>
            <translation>Veri dosyasını seç</translation>
        </message>
        <message>
            <source>起始行</source>
            <translation>İlk satır</translation>
        </message>
        <message>
            <source>打印的第一行（从 1 起）</source>
            <translation>Yazdırılan ilk satır (1'den sayılır)</translation>
        </message>
        <message>
            <source>结束行</source>
            <translation>Son satır</translation>
        </message>
        <message>
            <source>打印的最后一行</source>
            <translation>Yazdırılan son satır</translation>
        </message>
        <message>
            <source>当前行</source>
            <translation>Geçerli satır</translation>
        </message>
        <message>
            <source>打印机记录的当前行，只读</source>
            <translation>Yazıcının kaydettiği geçerli satır; salt okunur</translation>
        </message>
        <message>
            <source>已全部打印</source>
            <translation>Tümü yazdırıldı</translation>
        </message>
        <message>
            <source>打印机记录的各行是否已全部打印，只读</source>
            <translation>Yazıcının tüm satırları yazdırılmış olarak kaydedip kaydetmediği; salt okunur</translation>
        </message>
        <message>
            <source>数据文件 (*.txt *.csv);;所有文件 (*)</source>
            <translation>Veri dosyaları (*.txt *.csv);;Tüm dosyalar (*)</translation>
        </message>
        <message>
            <source>选择数据文件：UTF-8 文本，每行一条记录</source>
            <translation>Veri dosyasını seçin: UTF-8 metin, her satırda bir kayıt</translation>
        </message>
    </context>
    <context>
        <name>designExport</name>
        <message>
            <source>图片 %1 × %2 像素过大</source>
            <translation>%1 × %2 piksellik resim çok büyük</translation>
        </message>
        <message>
            <source>内存不足</source>
            <translation>Yetersiz bellek</translation>
        </message>
        <message>
            <source>分辨率必须在 1 到 100000 之间</source>
            <translation>Çözünürlük 1 ile 100000 arasında olmalıdır</translation>
        </message>
        <message>
            <source>无法生成文件内容</source>
            <translation>Dosya içeriği oluşturulamıyor</translation>
        </message>
        <message>
            <source>只有 PDF 能写多页</source>
            <translation>Yalnızca PDF birden çok sayfa tutabilir</translation>
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
            <translation>%1 bulunamadı</translation>
        </message>
        <message>
            <source>无法读取 %1：%2</source>
            <translation>%1 okunamıyor: %2</translation>
        </message>
        <message>
            <source>两个不同的文件在打印机U盘上同名 %1：%2 和 %3</source>
            <translation>iki farklı dosya yazıcının diskinde aynı %1 adını alırdı: %2 ve %3</translation>
        </message>
        <message>
            <source>文件名为空</source>
            <translation>dosya adı boş</translation>
        </message>
        <message>
            <source>文件名超过 255 个字符</source>
            <translation>dosya adı 255 karakterden uzun</translation>
        </message>
        <message>
            <source>文件名中有 U 盘（FAT）不允许的字符 %1</source>
            <translation>dosya adında USB diskin (FAT) izin vermediği bir karakter var %1</translation>
        </message>
        <message>
            <source>文件名以点或空格结尾</source>
            <translation>dosya adı nokta ya da boşlukla bitiyor</translation>
        </message>
        <message>
            <source>%1 是保留的设备名</source>
            <translation>%1 ayrılmış bir aygıt adı</translation>
        </message>
        <message>
            <source>无法创建文件夹 %1</source>
            <translation>%1 klasörü oluşturulamıyor</translation>
        </message>
        <message>
            <source>无法写入 %1：%2</source>
            <translation>%1 yazılamıyor: %2</translation>
        </message>
        <message>
            <source>无法写入 %1</source>
            <translation>%1 yazılamıyor</translation>
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
            <translation>Resim yok</translation>
        </message>
        <message>
            <source>图片无法读取</source>
            <translation>Resim okunamıyor</translation>
        </message>
        <message>
            <source>内容无法生成二维码</source>
            <translation>İçerikten QR kodu oluşturulamıyor</translation>
        </message>
        <message>
            <source>空文本</source>
            <translation>Boş metin</translation>
        </message>
        <message>
            <source>找不到图片 %1</source>
            <translation>%1 resmi bulunamadı</translation>
        </message>
    </context>
    <context>
        <name>gs1DigitalLink</name>
        <message>
            <source>(%1) %2：输入的校验位是 %3，计算出的是 %4</source>
            <translation>(%1) %2: girilen kontrol basamağı %3, hesaplanan %4</translation>
        </message>
        <message>
            <source>(%1) %2：长度为 %3，应为 %4</source>
            <translation>(%1) %2: uzunluk %3, %4 olmalı</translation>
        </message>
        <message>
            <source>(%1) %2：不允许的字符“%3”</source>
            <translation>(%1) %2: izin verilmeyen karakterler "%3"</translation>
        </message>
        <message>
            <source>(%1) %2：不是有效的日期 YYMMDD</source>
            <translation>(%1) %2: geçerli bir YYMMDD tarihi değil</translation>
        </message>
        <message>
            <source>(%1) %2：“%3”须写成有效的百分号编码</source>
            <translation>(%1) %2: "%3" geçerli bir yüzde kodlamasıyla yazılmalı</translation>
        </message>
        <message>
            <source>(%1) 不能写在路径中，应写在查询部分（?%1=…）</source>
            <translation>(%1) yolda olamaz; sorgu kısmına yazılmalı (?%1=…)</translation>
        </message>
        <message>
            <source>路径中 (%1) 不能跟在 (%2) 之后</source>
            <translation>yolda (%1), (%2) ardından gelemez</translation>
        </message>
        <message>
            <source>路径中的 (%1) 不是 (%2) 的限定符</source>
            <translation>yoldaki (%1), (%2) için bir niteleyici değil</translation>
        </message>
        <message>
            <source>路径在 (%1) 之后缺少值</source>
            <translation>yolda (%1) ardından değer eksik</translation>
        </message>
        <message>
            <source>(%1) 出现了不止一次</source>
            <translation>(%1) birden fazla kez geçiyor</translation>
        </message>
        <message>
            <source>有效期 (17) %1 早于生产日期 (11) %2</source>
            <translation>son kullanma tarihi (17) %1, üretim tarihinden (11) %2 önce</translation>
        </message>
    </context>
    <context>
        <name>gs1DigitalLinkDialog</name>
        <message>
            <source>GS1 数字链接</source>
            <translation>GS1 Dijital Bağlantı</translation>
        </message>
        <message>
            <source>域名</source>
            <translation>Alan adı</translation>
        </message>
        <message>
            <source>商品代码 GTIN (01)</source>
            <translation>Ürün kodu GTIN (01)</translation>
        </message>
        <message>
            <source>批号 (10)</source>
            <translation>Parti/lot (10)</translation>
        </message>
        <message>
            <source>生产日期 (11)</source>
            <translation>Üretim tarihi (11)</translation>
        </message>
        <message>
            <source>打印当天（日期占位符 yyMMdd）</source>
            <translation>Baskı günü (tarih yer tutucusu yyMMdd)</translation>
        </message>
        <message>
            <source>有效期 (17)</source>
            <translation>Son kullanma tarihi (17)</translation>
        </message>
        <message>
            <source>序列号 (21)</source>
            <translation>Seri numarası (21)</translation>
        </message>
        <message>
            <source>无</source>
            <translation>Yok</translation>
        </message>
        <message>
            <source>固定</source>
            <translation>Sabit</translation>
        </message>
        <message>
            <source>计数器</source>
            <translation>Sayaç</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>Tamam</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>请输入 GTIN</source>
            <translation>Bir GTIN girin</translation>
        </message>
        <message>
            <source>域名须以 http:// 或 https:// 开头</source>
            <translation>Alan adı http:// veya https:// ile başlamalı</translation>
        </message>
        <message>
            <source>GTIN 只能含数字</source>
            <translation>GTIN yalnızca rakam içerir</translation>
        </message>
        <message>
            <source>GTIN 须为 8、12、13 或 14 位数字（含校验位）</source>
            <translation>GTIN 8, 12, 13 veya 14 basamaklıdır (kontrol basamağı dahil)</translation>
        </message>
        <message>
            <source>校验位应为 %1，输入的是 %2</source>
            <translation>Kontrol basamağı %1 olmalı; %2 girildi</translation>
        </message>
        <message>
            <source>校验位 %1 正确</source>
            <translation>Kontrol basamağı %1 doğru</translation>
        </message>
        <message>
            <source>链接网址的开头，例如 https://id.gs1.org</source>
            <translation>Bağlantı adresinin başı, örneğin https://id.gs1.org</translation>
        </message>
        <message>
            <source>商品代码：8、12、13 或 14 位数字，最后一位是校验位</source>
            <translation>Ürün kodu: 8, 12, 13 veya 14 basamak, sonuncusu kontrol basamağı</translation>
        </message>
        <message>
            <source>商品代码 GTIN</source>
            <translation>Ürün kodu GTIN</translation>
        </message>
        <message>
            <source>批号，最多 20 个字符；可以空着</source>
            <translation>Parti numarası, en çok 20 karakter; boş kalabilir</translation>
        </message>
        <message>
            <source>批号</source>
            <translation>Parti</translation>
        </message>
        <message>
            <source>生产日期取打印当天</source>
            <translation>Üretim tarihi: yazdırma günü</translation>
        </message>
        <message>
            <source>生产日期</source>
            <translation>Üretim tarihi</translation>
        </message>
        <message>
            <source>在链接中加入有效期</source>
            <translation>Bağlantıya son kullanma tarihi ekle</translation>
        </message>
        <message>
            <source>有效期</source>
            <translation>Son kullanma tarihi</translation>
        </message>
        <message>
            <source>有效期的日期</source>
            <translation>Ürünün son kullanma günü</translation>
        </message>
        <message>
            <source>有效期日期</source>
            <translation>Son kullanma günü</translation>
        </message>
        <message>
            <source>序列号：无、固定的文字或打印机的计数器</source>
            <translation>Seri numarası: yok, sabit metin veya yazıcının sayacı</translation>
        </message>
        <message>
            <source>序列号类型</source>
            <translation>Seri numarası türü</translation>
        </message>
        <message>
            <source>固定的序列号，最多 20 个字符</source>
            <translation>Sabit seri numarası, en çok 20 karakter</translation>
        </message>
        <message>
            <source>序列号</source>
            <translation>Seri numarası</translation>
        </message>
        <message>
            <source>计数器的位数（1 到 8）</source>
            <translation>Sayacın basamak sayısı (1 ile 8 arası)</translation>
        </message>
        <message>
            <source>计数器位数</source>
            <translation>Sayaç basamakları</translation>
        </message>
        <message>
            <source>把链接用作二维码的内容</source>
            <translation>Bağlantıyı QR kodun içeriği yap</translation>
        </message>
        <message>
            <source>关闭，不改变二维码</source>
            <translation>QR kodu değiştirmeden kapat</translation>
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
            <translation>Genişlik</translation>
        </message>
        <message>
            <source>高度</source>
            <translation>Yükseklik</translation>
        </message>
        <message>
            <source>旋转</source>
            <translation>Döndürme</translation>
        </message>
        <message>
            <source>选择图形</source>
            <translation>Gözat</translation>
        </message>
        <message>
            <source>反 色</source>
            <translation>Ters Renk</translation>
        </message>
        <message>
            <source>文件名</source>
            <translation>Dosya Yolu</translation>
        </message>
        <message>
            <source>查找图片…</source>
            <translation>Resmi bul…</translation>
        </message>
        <message>
            <source>图片文件不在设计所说的位置：选择它现在所在的文件，同一文件夹中也会查找其他缺少的图片</source>
            <translation>Resim dosyası tasarımın söylediği yerde değil: şu anki dosyasını seçin; diğer eksik resimler de aynı klasörde aranır</translation>
        </message>
        <message>
            <source>查找缺少的图片</source>
            <translation>Eksik resmi bul</translation>
        </message>
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>Sol kenarın şeridin başlangıcına uzaklığı (nokta, 0 ile 79999 arası)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>X konumu</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>Üst kenarın şeridin üstüne uzaklığı (nokta); öğe 300 noktalık şeridin dışına çıkmaz</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>Y konumu</translation>
        </message>
        <message>
            <source>图片的宽度（点，0 到 20000）</source>
            <translation>Resim genişliği (nokta, 0 ile 20000 arası)</translation>
        </message>
        <message>
            <source>图片宽度</source>
            <translation>Resim genişliği</translation>
        </message>
        <message>
            <source>图片的高度（点，0 到 400）</source>
            <translation>Resim yüksekliği (nokta, 0 ile 400 arası)</translation>
        </message>
        <message>
            <source>图片高度</source>
            <translation>Resim yüksekliği</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>Saat yönünde döndürme (derece, 0 ile 180 arası)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>Döndürme açısı</translation>
        </message>
        <message>
            <source>选择一个图片文件（JPEG、BMP 或 PNG），转为黑白</source>
            <translation>Bir resim dosyası seçin (JPEG, BMP veya PNG); siyah beyaza çevrilir</translation>
        </message>
        <message>
            <source>选择图片</source>
            <translation>Resim seç</translation>
        </message>
        <message>
            <source>黑白互换</source>
            <translation>Siyah ile beyazı değiştir</translation>
        </message>
        <message>
            <source>反色</source>
            <translation>Ters çevir</translation>
        </message>
        <message>
            <source>所选图片文件的路径；用“选择图形”更换</source>
            <translation>Seçilen resim dosyasının yolu; “Gözat” ile değiştirilir</translation>
        </message>
        <message>
            <source>图片文件</source>
            <translation>Resim dosyası</translation>
        </message>
    </context>
    <context>
        <name>previewBar</name>
        <message>
            <source>打印预览</source>
            <translation>Baskı önizleme</translation>
        </message>
        <message>
            <source>导出…</source>
            <translation>Dışa aktar…</translation>
        </message>
        <message>
            <source>计数器1</source>
            <translation>Sayaç1</translation>
        </message>
        <message>
            <source>计数器2</source>
            <translation>Sayaç2</translation>
        </message>
        <message>
            <source>%1 个二维码的占位符位置与内容不符</source>
            <translation>%1 QR kod: yer tutucu konumları içerikle uyuşmuyor</translation>
        </message>
        <message>
            <source>%1 个二维码的 GS1 数字链接有误</source>
            <translation>%1 QR kodunda hatalı GS1 Dijital Bağlantı var</translation>
        </message>
        <message>
            <source>预览数据文件的第几行：每个内容来自数据文件的项目显示这一行，限于它自己的起始行和结束行</source>
            <translation>Önizlemenin gösterdiği veri dosyası satırı: içeriği veri dosyasından gelen her öğe bu satırı, kendi ilk ve son satırı içinde gösterir</translation>
        </message>
        <message>
            <source>预览的数据文件行</source>
            <translation>Önizlenen veri dosyası satırı</translation>
        </message>
        <message>
            <source>数据行 </source>
            <translation>Satır </translation>
        </message>
        <message>
            <source>把设计导出为 PNG、PDF 或 SVG</source>
            <translation>Tasarımı PNG, PDF veya SVG olarak dışa aktar</translation>
        </message>
        <message>
            <source>显示喷印出来的样子</source>
            <translation>Tasarımı basıldığı gibi göster</translation>
        </message>
        <message>
            <source>预览所用的时刻</source>
            <translation>Önizlemenin gösterdiği an</translation>
        </message>
        <message>
            <source>预览所用的计数器1的值</source>
            <translation>Önizlemedeki sayaç 1 değeri</translation>
        </message>
        <message>
            <source>预览所用的计数器2的值</source>
            <translation>Önizlemedeki sayaç 2 değeri</translation>
        </message>
        <message>
            <source>预览时刻</source>
            <translation>Önizleme anı</translation>
        </message>
    </context>
    <context>
        <name>qrGs1Check</name>
        <message>
            <source>扫描读出的 AI 与内容不同：%1</source>
            <translation>Taranan sembol farklı AI'lar taşıyor: %1</translation>
        </message>
        <message>
            <source>GS1 数字链接：%1</source>
            <translation>GS1 Dijital Bağlantı: %1</translation>
        </message>
    </context>
    <context>
        <name>recordCheck</name>
        <message>
            <source>%1：起始行 %2、结束行 %3 不是一个行范围（行号从 1 起）</source>
            <translation>%1: ilk satır %2 ve son satır %3 bir satır aralığı değil (satırlar 1'den sayılır)</translation>
        </message>
        <message>
            <source>%1：结束行 %2 超出数据文件的末尾（共 %3 行）</source>
            <translation>%1: son satır %2 veri dosyasının sonunu aşıyor (%3 satır)</translation>
        </message>
        <message>
            <source>%1 第 %2 行</source>
            <translation>%1 satır %2</translation>
        </message>
        <message>
            <source>%1：空行</source>
            <translation>%1: boş satır</translation>
        </message>
        <message>
            <source>%1：不是 UTF-8 文本</source>
            <translation>%1: UTF-8 metni değil</translation>
        </message>
        <message>
            <source>%1 %2：被拒绝（%3）：%4</source>
            <translation>%1 %2: reddedildi (%3): %4</translation>
        </message>
        <message>
            <source>%1 %2：没有能容纳它的二维码</source>
            <translation>%1 %2: bunu taşıyan bir QR kod yok</translation>
        </message>
        <message>
            <source>%1 %2：字体 %3 没有字符 %4</source>
            <translation>%1 %2: %3 yazı tipinde %4 karakteri yok</translation>
        </message>
        <message>
            <source>%1 %2：项目伸到 x %3、y %4，超出打印条</source>
            <translation>%1 %2: öğe x %3, y %4 noktasına uzanıyor, baskı şeridinin dışına çıkıyor</translation>
        </message>
        <message>
            <source>（代之以 %1）</source>
            <translation> (yerine %1)</translation>
        </message>
        <message>
            <source>%1：%2</source>
            <translation>%1: %2</translation>
        </message>
        <message>
            <source>数据文件：检查了 %1 行，%2 行有问题</source>
            <translation>veri dosyaları: %1 satır denetlendi, %2 satır reddedildi</translation>
        </message>
    </context>
    <context>
        <name>safeWrite</name>
        <message>
            <source>是一个文件夹</source>
            <translation>bir klasör</translation>
        </message>
        <message>
            <source>不是普通文件（管道、设备或套接字），不会被替换</source>
            <translation>normal bir dosya değil (boru, aygıt veya soket), değiştirilmez</translation>
        </message>
        <message>
            <source>没有文件名</source>
            <translation>dosya adı yok</translation>
        </message>
    </context>
    <context>
        <name>scanFindings</name>
        <message>
            <source>扫描器读不出它</source>
            <translation>hiçbir tarayıcı okuyamıyor</translation>
        </message>
        <message>
            <source>%1 %2 画出来了，但扫描不出（%3）</source>
            <translation>%1 %2 çiziliyor ancak taranamıyor (%3)</translation>
        </message>
        <message>
            <source>%1 %2：输入的校验位 %3 与计算出的 %4 不同，条码中用的是 %4</source>
            <translation>%1 %2: girilen kontrol hanesi %3, hesaplanan %4 ile aynı değil; barkodda %4 bulunuyor</translation>
        </message>
        <message>
            <source>%1 %2：Code 128 无法编码 %3；条码中改为“?”</source>
            <translation>%1 %2: Code 128, %3 karakterlerini kodlayamaz; barkodda bunların yerine "?" bulunuyor</translation>
        </message>
        <message>
            <source>%1 %2：字符 %3 没有被编码</source>
            <translation>%1 %2: %3 karakterleri kodlanmadı</translation>
        </message>
        <message>
            <source>%1 %2 扫描结果为 %3，而不是 %4</source>
            <translation>%1 %2, %4 yerine %3 olarak okunuyor</translation>
        </message>
    </context>
    <context>
        <name>scenePreview</name>
        <message>
            <source>占位符位置与内容不符，无法预览</source>
            <translation>Yer tutucu konumları içerikle uyuşmuyor; önizleme yok</translation>
        </message>
        <message>
            <source>GS1 数字链接有误：</source>
            <translation>Hatalı GS1 Dijital Bağlantı:</translation>
        </message>
    </context>
    <context>
        <name>setTimeModeDialog</name>
        <message>
            <source>格式设置</source>
            <translation>Biçim Ayarları</translation>
        </message>
        <message>
            <source>格式</source>
            <translation>Biçim</translation>
        </message>
        <message>
            <source>后缀</source>
            <translation>Sonek</translation>
        </message>
        <message>
            <source>顺序</source>
            <translation>Sıra</translation>
        </message>
        <message>
            <source>年:</source>
            <translation>Yıl:</translation>
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
            <translation>İptal</translation>
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
            <translation>Boşluk</translation>
        </message>
        <message>
            <source>月:</source>
            <translation>Ay:</translation>
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
            <translation>Gün:</translation>
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
            <translation>2 boşluk</translation>
        </message>
        <message>
            <source>时:</source>
            <translation>Saat:</translation>
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
            <translation>Dk:</translation>
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
            <translation>Sn:</translation>
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
            <translation>Hızlı:</translation>
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
            <translation>Önizleme</translation>
        </message>
        <message>
            <source>2016/07/01 08:30:00</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>确定</source>
            <translation>Tamam</translation>
        </message>
        <message>
            <source>这一项的写法；选“取消”则不显示</source>
            <translation>Bu bölümün yazılışı; “İptal” onu çıkarır</translation>
        </message>
        <message>
            <source>年的格式</source>
            <translation>Yıl biçimi</translation>
        </message>
        <message>
            <source>这一项后面的分隔符</source>
            <translation>Bu bölümden sonraki ayırıcı</translation>
        </message>
        <message>
            <source>年的后缀</source>
            <translation>Yıl ayırıcısı</translation>
        </message>
        <message>
            <source>这一项在格式中的位置（1 到 6）</source>
            <translation>Bu bölümün biçimdeki yeri (1 ile 6 arası)</translation>
        </message>
        <message>
            <source>年的顺序</source>
            <translation>Yıl sırası</translation>
        </message>
        <message>
            <source>月的格式</source>
            <translation>Ay biçimi</translation>
        </message>
        <message>
            <source>月的后缀</source>
            <translation>Ay ayırıcısı</translation>
        </message>
        <message>
            <source>月的顺序</source>
            <translation>Ay sırası</translation>
        </message>
        <message>
            <source>日的格式</source>
            <translation>Gün biçimi</translation>
        </message>
        <message>
            <source>日的后缀</source>
            <translation>Gün ayırıcısı</translation>
        </message>
        <message>
            <source>日的顺序</source>
            <translation>Gün sırası</translation>
        </message>
        <message>
            <source>时的格式</source>
            <translation>Saat biçimi</translation>
        </message>
        <message>
            <source>时的后缀</source>
            <translation>Saat ayırıcısı</translation>
        </message>
        <message>
            <source>时的顺序</source>
            <translation>Saat sırası</translation>
        </message>
        <message>
            <source>分的格式</source>
            <translation>Dakika biçimi</translation>
        </message>
        <message>
            <source>分的后缀</source>
            <translation>Dakika ayırıcısı</translation>
        </message>
        <message>
            <source>分的顺序</source>
            <translation>Dakika sırası</translation>
        </message>
        <message>
            <source>秒的格式</source>
            <translation>Saniye biçimi</translation>
        </message>
        <message>
            <source>秒的后缀</source>
            <translation>Saniye ayırıcısı</translation>
        </message>
        <message>
            <source>秒的顺序</source>
            <translation>Saniye sırası</translation>
        </message>
        <message>
            <source>常用的格式，选中即用</source>
            <translation>Hazır biçimler; seçilen hemen kullanılır</translation>
        </message>
        <message>
            <source>快速设置</source>
            <translation>Hızlı biçimler</translation>
        </message>
        <message>
            <source>按上面各行组成格式并预览</source>
            <translation>Biçimi yukarıdaki satırlardan oluştur ve önizle</translation>
        </message>
        <message>
            <source>示例时刻按所选格式显示的样子</source>
            <translation>Seçilen biçimde örnek an</translation>
        </message>
        <message>
            <source>预览结果</source>
            <translation>Önizleme sonucu</translation>
        </message>
        <message>
            <source>使用这个格式</source>
            <translation>Bu biçimi kullan</translation>
        </message>
        <message>
            <source>关闭，不改变格式</source>
            <translation>Biçimi değiştirmeden kapat</translation>
        </message>
    </context>
    <context>
        <name>sprReader</name>
        <message>
            <source>%1：%2 个字符，超过内容编辑器可容纳的 %3 个；设计软件只使用前 %3 个</source>
            <translation>%1: %2 karakter, içerik düzenleyicinin aldığı %3 karakterden fazla; tasarımcı yalnızca ilk %3 karakteri kullanır</translation>
        </message>
        <message>
            <source>%1：%2 个字符，超过日期时间格式允许的 %3 个；设计软件只使用前 %3 个</source>
            <translation>%1: %2 karakter, bir tarih/saat biçiminin alabileceği %3 karakterden fazla; tasarımcı yalnızca ilk %3 karakteri kullanır</translation>
        </message>
        <message>
            <source>项目超过 %1 个；不读取任何内容</source>
            <translation>%1 öğeden fazla; hiçbir şey okunmaz</translation>
        </message>
        <message>
            <source>设计软件显示一个占位框，打印机什么也不打印</source>
            <translation>tasarımcı bir yer tutucu çerçeve gösterir, yazıcı hiçbir şey yazdırmaz</translation>
        </message>
        <message>
            <source>“[FileInfo]”之前有 UTF-8 字节顺序标记；打印机可能无法读取该文件</source>
            <translation>"[FileInfo]" öncesinde bir UTF-8 bayt sırası işareti var; yazıcı dosyayı okuyamayabilir</translation>
        </message>
        <message>
            <source>这一行不是有效的 UTF-8（是 GBK 等其他编码？）；设计软件以 U+FFFD 显示这些字节，保存时会替换它们</source>
            <translation>satır geçerli UTF-8 değil (GBK gibi başka bir kodlama mı?); tasarımcı bu baytların yerine U+FFFD gösterir ve kaydetme onları değiştirir</translation>
        </message>
        <message>
            <source>这一行含有 NUL 字节，打印机可能把它当作行尾</source>
            <translation>satırda bir NUL baytı var; yazıcı bunu satırın sonu sayabilir</translation>
        </message>
        <message>
            <source>应为“%1 =”，实为 %2；缺少或多出一行会使后面的每一行错位</source>
            <translation>"%1 =" bekleniyordu, %2 bulundu; eksik ya da fazla bir satır sonraki bütün satırları kaydırır</translation>
        </message>
        <message>
            <source>%1：%2 不是数字；读作 0</source>
            <translation>%1: %2 bir sayı değil; 0 olarak okunur</translation>
        </message>
        <message>
            <source>%1：%2 不是整数；读作 0</source>
            <translation>%1: %2 bir tam sayı değil; 0 olarak okunur</translation>
        </message>
        <message>
            <source>%1：%2 不是有限的数字；读作 0</source>
            <translation>%1: %2 sonlu bir sayı değil; 0 olarak okunur</translation>
        </message>
        <message>
            <source>%1：%2 超出设计软件允许的范围 %3 到 %4；读取器取 %5</source>
            <translation>%1: %2, tasarımcının izin verdiği %3 ile %4 aralığının dışında; okuyucu %5 alır</translation>
        </message>
        <message>
            <source>%1：%2 超出设计软件允许的范围 %3 到 %4</source>
            <translation>%1: %2, tasarımcının izin verdiği %3 ile %4 aralığının dışında</translation>
        </message>
        <message>
            <source>缺少文件头：第一行是 %1，不是“[FileInfo]”；不读取任何内容</source>
            <translation>başlık eksik: ilk satır "[FileInfo]" değil, %1; hiçbir şey okunmaz</translation>
        </message>
        <message>
            <source>TotalItemNum 为 %1，但文件中有 %2 个项目段</source>
            <translation>TotalItemNum %1, ancak dosyada %2 öğe bölümü var</translation>
        </message>
        <message>
            <source>文件在读完 TotalItemNum 所列 %2 个项目中的 %1 个后结束</source>
            <translation>dosya, TotalItemNum'un belirttiği %2 öğeden %1 tanesinden sonra bitiyor</translation>
        </message>
        <message>
            <source>应为项目段的标题，实为 %1；这一行占去一个项目，并使后面的每一段错位</source>
            <translation>bir öğe bölümü başlığı bekleniyordu, %1 bulundu; bu satır bir öğe yerine sayılır ve sonraki bütün bölümleri kaydırır</translation>
        </message>
        <message>
            <source>从这里起的行不会被读取：已读完 TotalItemNum 个项目</source>
            <translation>buradan sonraki satırlar okunmaz: TotalItemNum kadar öğe zaten okundu</translation>
        </message>
        <message>
            <source>文件在这一段中结束：它的 %2 个键行中缺少最后 %1 个，读作 0 或空</source>
            <translation>dosya bu bölümün içinde bitiyor: %2 anahtar satırından son %1 tanesi eksik ve 0 ya da boş olarak okunur</translation>
        </message>
        <message>
            <source>BarContent 为空：设计软件显示 %1，打印机得不到内容</source>
            <translation>BarContent boş: tasarımcı %1 gösterir, yazıcıya hiçbir içerik gitmez</translation>
        </message>
        <message>
            <source>BarContent %1 不被该码制接受（代码 %2：%3）；%4</source>
            <translation>BarContent %1 barkod türü tarafından reddediliyor (kod %2: %3); %4</translation>
        </message>
        <message>
            <source>QRcodeInsertCntPos %1 超出内容的 %2 个字符；打印机无法在那里插入序号</source>
            <translation>QRcodeInsertCntPos %1, içeriğin %2 karakterinin dışında; yazıcı sayacı oraya ekleyemez</translation>
        </message>
        <message>
            <source>QRcodeInsertTimePos %1 超出内容的 %2 个字符；打印机无法在那里插入日期时间</source>
            <translation>QRcodeInsertTimePos %1, içeriğin %2 karakterinin dışında; yazıcı tarihi/saati oraya ekleyemez</translation>
        </message>
        <message>
            <source>QRcodeContent 为空：设计软件显示“empty!”，打印机得不到内容</source>
            <translation>QRcodeContent boş: tasarımcı "empty!" gösterir, yazıcıya hiçbir içerik gitmez</translation>
        </message>
        <message>
            <source>QRcodeScale 为 0：二维码没有图像；%1</source>
            <translation>QRcodeScale 0: QR kodun resmi yok; %1</translation>
        </message>
        <message>
            <source>QRcodeContent %1 在此纠错等级下对任何二维码版本都太长，或 QRcodeVersion 大于 40；不显示符号（%2）</source>
            <translation>QRcodeContent %1 bu düzeyde hiçbir QR kod sürümüne sığmayacak kadar uzun ya da QRcodeVersion 40'ın üzerinde; hiçbir simge gösterilmez (%2)</translation>
        </message>
        <message>
            <source>图片 %1 无法作为图片读取（或太大）；以“NO IMG”代替显示</source>
            <translation>%1 resmi resim olarak okunamıyor (ya da çok büyük); yerine "NO IMG" gösterilir</translation>
        </message>
        <message>
            <source>找不到图片 %1（也在文档旁及其“bmp”文件夹中找过）；以“NO IMG”代替显示</source>
            <translation>%1 resmi bulunamadı (belgenin yanında ve "bmp" klasöründe de arandı); yerine "NO IMG" gösterilir</translation>
        </message>
        <message>
            <source>图像显示为 %1 x %2 像素（ImageWidth、ImageHeight），因此没有图像；%3</source>
            <translation>görüntü %1 x %2 piksel olarak gösteriliyor (ImageWidth, ImageHeight), bu yüzden resmi yok; %3</translation>
        </message>
        <message>
            <source>文件大于读取器最多接受的 %1 MiB（%2 字节）</source>
            <translation>dosya, okuyucunun alabileceği en büyük boyut olan %1 MiB'tan (%2 bayt) büyük</translation>
        </message>
        <message>
            <source>%1：字体描述中的像素大小 %2 超过 %3；读取器取 %3</source>
            <translation>%1: yazı tipi tanımındaki %2 piksel boyutu %3 sınırını aşıyor; okuyucu %3 alır</translation>
        </message>
        <message>
            <source>%1：字体描述中的磅值 %2 超过 %3；读取器取 %3</source>
            <translation>%1: yazı tipi tanımındaki %2 punto boyutu %3 sınırını aşıyor; okuyucu %3 alır</translation>
        </message>
        <message>
            <source>文件第一行不是 [FileInfo]，不是设计文件</source>
            <translation>Dosyanın ilk satırı [FileInfo] değil: bu bir tasarım dosyası değil</translation>
        </message>
        <message>
            <source>文件中的项目超过 %1 个，无法完整打开</source>
            <translation>Dosyada %1 öğeden fazla var ve tamamı açılamıyor</translation>
        </message>
        <message>
            <source>图片将超过读取器对单张图片 %1 MiB 的限额：设计软件显示一个占位框而不绘制它</source>
            <translation>resim, okuyucunun tek bir resim için ayırdığı %1 MiB sınırını aşardı: tasarımcı onu çizmek yerine bir yer tutucu çerçeve gösterir</translation>
        </message>
        <message>
            <source>项目从 x %1 伸到 %2，越过纸带在 %3 的末端；打印机只打印纸带上的部分</source>
            <translation>öğe x %1 ile %2 arasında uzanıyor ve şeridin %3 noktasındaki sonunu aşıyor; yazıcı yalnızca şerit üzerindeki kısmı basar</translation>
        </message>
        <message>
            <source>%1 %2：项目的最下一行在打印条的最后一行之下；它的 Y 最多为 %3</source>
            <translation>%1 %2: öğenin son satırı şeridin son satırının altında kalıyor; Y en fazla %3 olabilir</translation>
        </message>
        <message>
            <source>BarHeight %1 与 BarLineHeight %2 画出的高度 %3 不同；条码按 BarHeight 画出，条高 %4</source>
            <translation>BarHeight %1, BarLineHeight %2 değerinin çizdiği %3 yüksekliğinden farklı; barkod BarHeight yüksekliğinde, %4 yüksekliğinde çubuklarla çizilir</translation>
        </message>
        <message>
            <source>TextContent 为空：设计软件显示“空文本”框，打印机不打印任何内容</source>
            <translation>TextContent boş: tasarımcı bir "Boş metin" çerçevesi gösterir, yazıcı hiçbir şey yazdırmaz</translation>
        </message>
        <message>
            <source>有一张图片超出读取器对单张图片 %1 MiB 的限额；不读取任何内容</source>
            <translation>bir resim, okuyucunun tek bir resim için ayırdığı %1 MiB sınırını aşıyor; hiçbir şey okunmaz</translation>
        </message>
    </context>
    <context>
        <name>sprWriter</name>
        <message>
            <source>设计有 %1 个项目，超过读取器接受的 %2 个；未写入文件</source>
            <translation>tasarımda %1 öğe var, okuyucunun kabul ettiği %2 öğeden fazla; hiçbir şey yazılmadı</translation>
        </message>
        <message>
            <source>文件将有 %1 字节，超过读取器接受的 %2 MiB；未写入文件</source>
            <translation>dosya %1 bayt olurdu, okuyucunun kabul ettiği %2 MiB'tan fazla; hiçbir şey yazılmadı</translation>
        </message>
    </context>
    <context>
        <name>sprtool</name>
        <message>
            <source>成功</source>
            <translation>başarılı</translation>
        </message>
        <message>
            <source>内容被拒绝（barcode、qr）或发现问题（check）</source>
            <translation>içerik reddedildi (barcode, qr) veya bulgu var (check)</translation>
        </message>
        <message>
            <source>用法错误、输入无法读取或输出失败；失败时不留下输出文件</source>
            <translation>kullanım hatası, okunamayan girdi veya başarısız çıktı; geride dosya kalmaz</translation>
        </message>
        <message>
            <source>显示本命令的用法</source>
            <translation>bu komutun kullanımını göster</translation>
        </message>
        <message>
            <source>退出码：</source>
            <translation>Çıkış kodları:</translation>
        </message>
        <message>
            <source>用法：</source>
            <translation>Kullanım:</translation>
        </message>
        <message>
            <source>不需要显示器，绘制、查看、检查并重新保存标签设计。</source>
            <translation>Etiket tasarımlarını ekran gerekmeden çizer, inceler, denetler ve yeniden kaydeder.</translation>
        </message>
        <message>
            <source>显示本用法</source>
            <translation>bu kullanımı göster</translation>
        </message>
        <message>
            <source>显示版本</source>
            <translation>sürümü göster</translation>
        </message>
        <message>
            <source>命令：</source>
            <translation>Komutlar:</translation>
        </message>
        <message>
            <source>用“sprtool COMMAND --help”查看命令的用法。</source>
            <translation>Bir komutun kullanımı için "sprtool COMMAND --help" çalıştırın.</translation>
        </message>
        <message>
            <source>选项：</source>
            <translation>Seçenekler:</translation>
        </message>
        <message>
            <source>文件名“-”表示标准输入或标准输出；“--”之后的参数都不是选项。</source>
            <translation>"-" dosya adı standart girdi veya standart çıktı demektir; "--" sonrasındaki hiçbir bağımsız değişken seçenek değildir.</translation>
        </message>
        <message>
            <source>未知命令“%1”</source>
            <translation>bilinmeyen komut "%1"</translation>
        </message>
        <message>
            <source>未知选项“%1”</source>
            <translation>bilinmeyen seçenek "%1"</translation>
        </message>
        <message>
            <source>选项 %1 只能给一次</source>
            <translation>%1 seçeneği yalnızca bir kez verilebilir</translation>
        </message>
        <message>
            <source>选项 %1 的值“%2”无效：%3</source>
            <translation>%1 için geçersiz değer "%2": %3</translation>
        </message>
        <message>
            <source>缺少参数 %1</source>
            <translation>eksik bağımsız değişken %1</translation>
        </message>
        <message>
            <source>多余的参数“%1”</source>
            <translation>beklenmeyen bağımsız değişken "%1"</translation>
        </message>
        <message>
            <source>没有给出输出（-o 文件，或 - 表示标准输出）</source>
            <translation>çıktı verilmedi (-o DOSYA veya standart çıktı için -)</translation>
        </message>
        <message>
            <source>内容只能给一次：参数或 --content-file 二选一</source>
            <translation>içerik iki kez verildi: ya bağımsız değişkeni ya da --content-file kullanın</translation>
        </message>
        <message>
            <source>输出只能给一次：参数或 -o 二选一</source>
            <translation>çıktı iki kez verildi: ya bağımsız değişkeni ya da -o kullanın</translation>
        </message>
        <message>
            <source>标准输入（-）只能读取一次</source>
            <translation>standart girdi (-) yalnızca bir kez okunabilir</translation>
        </message>
        <message>
            <source>用“sprtool %1 --help”查看用法</source>
            <translation>kullanımı için "sprtool %1 --help" çalıştırın</translation>
        </message>
        <message>
            <source>无法读取 %1：%2</source>
            <translation>%1 okunamıyor: %2</translation>
        </message>
        <message>
            <source>无法写入 %1：%2</source>
            <translation>%1 yazılamıyor: %2</translation>
        </message>
        <message>
            <source>标准输入</source>
            <translation>standart girdi</translation>
        </message>
        <message>
            <source>标准输出</source>
            <translation>standart çıktı</translation>
        </message>
        <message>
            <source>超过 %1 字节</source>
            <translation>%1 bayttan büyük</translation>
        </message>
        <message>
            <source>不是 UTF-8 文本</source>
            <translation>UTF-8 metin değil</translation>
        </message>
        <message>
            <source>字体“%1”未安装，改用“%2”</source>
            <translation>"%1" yazı tipi yüklü değil, yerine "%2" kullanılıyor</translation>
        </message>
        <message>
            <source>错误代码 %1：%2</source>
            <translation>hata kodu %1: %2</translation>
        </message>
        <message>
            <source>没有生成二维码：内容太长，或版本、比例超出范围</source>
            <translation>QR kod çizilmedi: içerik çok uzun ya da sürüm veya ölçek aralık dışında</translation>
        </message>
        <message>
            <source>应为正整数</source>
            <translation>pozitif bir tam sayı bekleniyordu</translation>
        </message>
        <message>
            <source>应为整数</source>
            <translation>bir tam sayı bekleniyordu</translation>
        </message>
        <message>
            <source>应为大于 0 的数</source>
            <translation>0'dan büyük bir sayı bekleniyordu</translation>
        </message>
        <message>
            <source>应为 L、M、Q、H 或 0 到 3</source>
            <translation>L, M, Q, H veya 0 ile 3 arası bekleniyordu</translation>
        </message>
        <message>
            <source>、</source>
            <comment>between symbology names</comment>
            <translation>, </translation>
        </message>
        <message>
            <source>%1 或 0 到 %2</source>
            <translation>%1 veya 0 ile %2 arası</translation>
        </message>
        <message>
            <source>应为 %1</source>
            <translation>%1 bekleniyordu</translation>
        </message>
        <message>
            <source>写入的文件；“-”表示标准输出</source>
            <translation>yazılacak dosya; standart çıktı için "-"</translation>
        </message>
        <message>
            <source>按条码项目的样子绘制一个条码，写成 PNG；SYMBOLOGY 为 %1</source>
            <translation>bir barkodu barkod öğesinin gösterdiği gibi çizer ve PNG olarak yazar; SYMBOLOGY %1dır</translation>
        </message>
        <message>
            <source>模块宽度（像素）</source>
            <translation>modül genişliği (piksel)</translation>
        </message>
        <message>
            <source>条高（像素）</source>
            <translation>çubuk yüksekliği (piksel)</translation>
        </message>
        <message>
            <source>条下不显示文字</source>
            <translation>çubukların altında metin gösterme</translation>
        </message>
        <message>
            <source>按二维码项目的样子绘制一个二维码，写成 PNG</source>
            <translation>bir QR kodu QR kod öğesinin gösterdiği gibi çizer ve PNG olarak yazar</translation>
        </message>
        <message>
            <source>纠错等级</source>
            <translation>hata düzeltme düzeyi</translation>
        </message>
        <message>
            <source>二维码版本（0 为自动）</source>
            <translation>QR kod sürümü (0 otomatik seçer)</translation>
        </message>
        <message>
            <source>每个模块的像素数</source>
            <translation>modül başına piksel</translation>
        </message>
        <message>
            <source>反色</source>
            <translation>ters renkler</translation>
        </message>
        <message>
            <source>以 JSON Lines 输出设计的内容，每个文件一个对象</source>
            <translation>bir tasarımın içeriğini JSON Lines olarak yazar, dosya başına bir nesne</translation>
        </message>
        <message>
            <source>逐行报告会让打印机或设计软件误读设计的地方</source>
            <translation>yazıcının veya tasarımcının bir tasarımı yanlış okumasına yol açacakları satır satır bildirir</translation>
        </message>
        <message>
            <source>读入设计，用设计软件的写入方式重新保存（OUT 或 -o）</source>
            <translation>bir tasarımı okur ve tasarımcının yazdığı gibi yeniden kaydeder (OUT veya -o)</translation>
        </message>
        <message>
            <source>用“sprtool --help”查看用法</source>
            <translation>kullanım için "sprtool --help" çalıştırın</translation>
        </message>
        <message>
            <source>字体“%1”未安装，也没有可替代的字体</source>
            <translation>"%1" yazı tipi yüklü değil ve yerine geçecek bir yazı tipi yok</translation>
        </message>
        <message>
            <source>从文件读取内容（“-”表示标准输入），最多 64 MiB；去掉末尾的一个换行</source>
            <translation>içeriği bir dosyadan oku (standart girdi için "-"), en çok 64 MiB; sondaki bir satır sonu atılır</translation>
        </message>
        <message>
            <source>选项 %1 缺少值</source>
            <translation>%1 seçeneği bir değer gerektirir</translation>
        </message>
        <message>
            <source>选项 %1 不带值</source>
            <translation>%1 seçeneği değer almaz</translation>
        </message>
        <message>
            <source>没有生成二维码：内容为空</source>
            <translation>QR kod çizilmedi: içerik boş</translation>
        </message>
        <message>
            <source>应为 ISO 8601 日期时间，例如 2024-02-29T23:59:00</source>
            <translation>ISO 8601 tarih ve saati bekleniyor, örneğin 2024-02-29T23:59:00</translation>
        </message>
        <message>
            <source>应为 0 到 99999999 的整数</source>
            <translation>0 ile 99999999 arasında bir tam sayı bekleniyor</translation>
        </message>
        <message>
            <source>按画布的样子把设计绘制成 PNG，或按扩展名写成 PDF、SVG</source>
            <translation>tasarımı tuvalde göründüğü gibi çizer ve PNG olarak, ya da çıktının uzantısına göre PDF veya SVG olarak yazar</translation>
        </message>
        <message>
            <source>PNG 的缩放比例（默认 1）</source>
            <translation>PNG resminin ölçeği (verilmezse 1)</translation>
        </message>
        <message>
            <source>每英寸的打印点数，决定 PDF、SVG 的页面大小（默认 72）</source>
            <translation>inç başına yazıcı noktası; PDF ve SVG sayfa boyutunu belirler (verilmezse 72)</translation>
        </message>
        <message>
            <source>按打印机在这一时刻打印的样子绘制（时间、序号和二维码占位符）</source>
            <translation>yazıcının bu anda basacağını çizer (saatler, sayaçlar ve QR yer tutucuları)</translation>
        </message>
        <message>
            <source>预览时序号 1 的值（默认 0）</source>
            <translation>önizlemede sayaç 1'in değeri (verilmezse 0)</translation>
        </message>
        <message>
            <source>预览时序号 2 的值（默认 0）</source>
            <translation>önizlemede sayaç 2'nin değeri (verilmezse 0)</translation>
        </message>
        <message>
            <source>注（本机）：%1</source>
            <translation>not (bu makine): %1</translation>
        </message>
        <message>
            <source>QRcodeContent %1（打印为 %2）</source>
            <translation>QRcodeContent %1 (%2 olarak basılır)</translation>
        </message>
        <message>
            <source>%1：GS1 数字链接 %2</source>
            <translation>%1: GS1 Dijital Bağlantı %2</translation>
        </message>
        <message>
            <source>按打印机在这一时刻（默认现在）填入二维码占位符后检查 GS1 数字链接</source>
            <translation>QR yer tutucuları yazıcının bu anda basacağı gibi doldurularak GS1 Dijital Bağlantıları denetle (varsayılan: şimdi)</translation>
        </message>
        <message>
            <source>--batch 不能与内容参数或 --content-file 同时使用</source>
            <translation>--batch, CONTENT bağımsız değişkeni veya --content-file ile birlikte kullanılamaz</translation>
        </message>
        <message>
            <source>使用 --batch 时，-o 必须是含有 {n} 或 {content} 的文件名</source>
            <translation>--batch ile -o, {n} veya {content} içeren bir dosya adı olmalıdır</translation>
        </message>
        <message>
            <source>第 %1 行：%2</source>
            <translation>satır %1: %2</translation>
        </message>
        <message>
            <source>文件名 %1 已由第 %2 行写入，未覆盖</source>
            <translation>%1 dosya adı %2. satır için zaten yazıldı; üzerine yazılmadı</translation>
        </message>
        <message>
            <source>每行一个内容（“-”表示标准输入），逐行写入 -o 给出的文件名：{n} 为补零的行号，{content} 为改成可作文件名的内容</source>
            <translation>her satırda bir içerik (standart girdi için “-”), her biri -o dosya adına yazılır: {n} sıfırla doldurulmuş satır numarası, {content} dosya adlarına uygun hâle getirilmiş içeriktir</translation>
        </message>
        <message>
            <source>代替每个数据文件项目所指的数据文件（“-”表示标准输入）</source>
            <translation>her veri dosyası öğesinin adlandırdığı veri dosyası yerine bu dosyayı kullan (standart girdi için "-")</translation>
        </message>
        <message>
            <source>pack 需要设计的文件，不能读标准输入</source>
            <translation>pack standart girdiyi değil, tasarımın dosyasını ister</translation>
        </message>
        <message>
            <source>%1 中已有 %2；用 --force 替换</source>
            <translation>%1 zaten %2 içeriyor; --force bunları değiştirir</translation>
        </message>
        <message>
            <source>把设计、它用到的图片（bmp/）和数据文件按打印机U盘的布局写入 -o 给出的文件夹</source>
            <translation>tasarımı, kullandığı resimleri (bmp/) ve veri dosyalarını yazıcının USB diskinin düzeninde -o ile verilen klasöre yaz</translation>
        </message>
        <message>
            <source>写入的文件夹（打印机U盘）</source>
            <translation>yazılacak klasör (yazıcının USB diski)</translation>
        </message>
        <message>
            <source>替换文件夹中已有的文件</source>
            <translation>klasörde zaten bulunan dosyaları değiştir</translation>
        </message>
        <message>
            <source>内容来自数据文件的项目显示数据文件的第 N 行（限于各自的起始行和结束行）</source>
            <translation>içeriği veri dosyasından gelen öğeler onun N. satırını gösterir (kendi ilk ve son satırları içinde)</translation>
        </message>
        <message>
            <source>%1 单独可以扫描，但在打印的位置扫描不出：%2</source>
            <translation>%1 tek başına okunuyor ama basıldığı yerde okunmuyor: %2</translation>
        </message>
        <message>
            <source>应为 1 到 200 之间的一个数，或用逗号分开的两个数（横向,纵向）</source>
            <translation>1 ile 200 arasında bir sayı ya da virgülle ayrılmış iki sayı (enine,boyuna) bekleniyordu</translation>
        </message>
        <message>
            <source>打印机每毫米的点数，横向（纸带的 300 点）和纵向；默认用设计软件中的设置</source>
            <translation>yazıcının milimetre başına nokta sayısı, enine (şeridin 300 noktası) ve boyuna; varsayılan: tasarımcıdaki ayar</translation>
        </message>
        <message>
            <source>%1 经不起墨水扩散：每根条每边加粗 1 点就扫描不出</source>
            <translation>%1 mürekkep yayılmasına dayanmıyor: her çubuk her yanda 1 nokta kalınlaşınca okunmuyor</translation>
        </message>
        <message>
            <source>应为两个行号 A-B，1 ≤ A ≤ B（例如 1-50）</source>
            <translation>A-B biçiminde, 1 ≤ A ≤ B olan iki satır numarası bekleniyor (örneğin 1-50)</translation>
        </message>
        <message>
            <source>一次最多 %1 页</source>
            <translation>bir seferde en çok %1 sayfa</translation>
        </message>
        <message>
            <source>--record 与 --records 只能二选一</source>
            <translation>--record veya --records verin, ikisini birden değil</translation>
        </message>
        <message>
            <source>--records 每行写一页，只有 PDF 有多页：请用 -o 文件名.pdf</source>
            <translation>--records her satır için bir sayfa yazar ve yalnızca PDF'de sayfa vardır: -o AD.pdf verin</translation>
        </message>
        <message>
            <source>第 A 到 B 行每行一页，如 --record 所画（只用于 PDF）</source>
            <translation>A'dan B'ye her satır için bir sayfa, --record'un çizdiği gibi (yalnızca PDF)</translation>
        </message>
        <message>
            <source>数据文件“%1”第 %2 行：%3；该项目不绘制</source>
            <translation>"%1" veri dosyası, %2. satır: %3; öğe çizilmiyor</translation>
        </message>
    </context>
    <context>
        <name>startup</name>
        <message>
            <source>喷码机标签设计软件</source>
            <translation>Mürekkep püskürtmeli kodlama yazıcıları için etiket tasarımcısı</translation>
        </message>
        <message>
            <source>要打开的设计文件 (.spr)</source>
            <translation>Açılacak tasarım dosyası (.spr)</translation>
        </message>
        <message>
            <source>只能打开一个文件</source>
            <translation>Yalnızca bir dosya açılabilir</translation>
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
            <translation>✗ Okunamıyor: %1</translation>
        </message>
        <message>
            <source>没有图片</source>
            <translation>resim yok</translation>
        </message>
        <message>
            <source>符号损坏</source>
            <translation>sembol hasarlı</translation>
        </message>
        <message>
            <source>校验不符</source>
            <translation>kontrol tutmuyor</translation>
        </message>
        <message>
            <source>未找到符号</source>
            <translation>sembol bulunamadı</translation>
        </message>
        <message>
            <source>“%1”</source>
            <translation>“%1”</translation>
        </message>
        <message>
            <source>输入的校验位 %1 与计算出的校验位 %2 不同，条码中是 %2</source>
            <translation>Girilen kontrol basamağı %1, hesaplanan kontrol basamağı %2 ile farklı; barkodda %2 var</translation>
        </message>
        <message>
            <source>多余的字符 %1 未编码</source>
            <translation>Fazla karakterler %1 kodlanmadı</translation>
        </message>
        <message>
            <source>UPC-E 的数制位 %1 按 0 的规则编码</source>
            <translation>UPC-E sayı sistemi basamağı %1, 0 kurallarına göre kodlandı</translation>
        </message>
        <message>
            <source>Code 128 无法编码的字符 %1 被替换为 “?”</source>
            <translation>Code 128'in kodlayamadığı %1 karakterleri “?” ile değiştirildi</translation>
        </message>
        <message>
            <source>超出长度的字符 %1 未编码</source>
            <translation>Uzunluk sınırını aşan %1 karakterleri kodlanmadı</translation>
        </message>
        <message>
            <source>扫描结果与预期的 %1 不同</source>
            <translation>Tarama sonucu beklenen %1 ile farklı</translation>
        </message>
        <message>
            <source>内容无法编码：%1</source>
            <translation>İçerik kodlanamıyor: %1</translation>
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
            <translation>Döndürme</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Yazı tipi</translation>
        </message>
        <message>
            <source>字号</source>
            <translation>Boyut</translation>
        </message>
        <message>
            <source>间距</source>
            <translation>Aralık</translation>
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
            <translation>Arapça</translation>
        </message>
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>Sol kenarın şeridin başlangıcına uzaklığı (nokta, 0 ile 79999 arası)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>X konumu</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>Üst kenarın şeridin üstüne uzaklığı (nokta); öğe 300 noktalık şeridin dışına çıkmaz</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>Y konumu</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>Saat yönünde döndürme (derece, 0 ile 180 arası)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>Döndürme açısı</translation>
        </message>
        <message>
            <source>字体；列出的字体须安装在这台电脑上</source>
            <translation>Yazı tipi; listelenen yazı tipleri bu bilgisayarda kurulu olmalıdır</translation>
        </message>
        <message>
            <source>字的高度（点，6 到 400）</source>
            <translation>Karakter yüksekliği (nokta, 6 ile 400 arası)</translation>
        </message>
        <message>
            <source>字符之间增加的距离（点，-100 到 200；负值使字符靠拢）</source>
            <translation>Karakterler arasına eklenen boşluk (nokta, -100 ile 200 arası; eksi değerler karakterleri yaklaştırır)</translation>
        </message>
        <message>
            <source>字间距</source>
            <translation>Harf aralığı</translation>
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
            <translation>Döndürme</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Yazı tipi</translation>
        </message>
        <message>
            <source>字号</source>
            <translation>Boyut</translation>
        </message>
        <message>
            <source>间距</source>
            <translation>Aralık</translation>
        </message>
        <message>
            <source>更改</source>
            <translation>Değiştir</translation>
        </message>
        <message>
            <source>有效期(月)</source>
            <translation>Geçerlilik (ay)</translation>
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
            <translation>Sol kenarın şeridin başlangıcına uzaklığı (nokta, 0 ile 79999 arası)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>X konumu</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>Üst kenarın şeridin üstüne uzaklığı (nokta); öğe 300 noktalık şeridin dışına çıkmaz</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>Y konumu</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>Saat yönünde döndürme (derece, 0 ile 180 arası)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>Döndürme açısı</translation>
        </message>
        <message>
            <source>字体；列出的字体须安装在这台电脑上</source>
            <translation>Yazı tipi; listelenen yazı tipleri bu bilgisayarda kurulu olmalıdır</translation>
        </message>
        <message>
            <source>字的高度（点，6 到 400）</source>
            <translation>Karakter yüksekliği (nokta, 6 ile 400 arası)</translation>
        </message>
        <message>
            <source>字符之间增加的距离（点，-100 到 200；负值使字符靠拢）</source>
            <translation>Karakterler arasına eklenen boşluk (nokta, -100 ile 200 arası; eksi değerler karakterleri yaklaştırır)</translation>
        </message>
        <message>
            <source>字间距</source>
            <translation>Harf aralığı</translation>
        </message>
        <message>
            <source>有效期（月，0 到 120）：不为 0 时显示的日期加上这么多个月再减一天</source>
            <translation>Geçerlilik (ay, 0 ile 120 arası): 0 değilse gösterilen tarih bu kadar ay sonrasından bir gün öncedir</translation>
        </message>
        <message>
            <source>有效期（月）</source>
            <translation>Geçerlilik (ay)</translation>
        </message>
        <message>
            <source>选择日期和时间的格式</source>
            <translation>Tarih ve saat biçimini seçin</translation>
        </message>
        <message>
            <source>更改格式</source>
            <translation>Biçimi değiştir</translation>
        </message>
    </context>
    <context>
        <name>placedScan</name>
        <message>
            <source>静区：%1项目在 %2 个模块处，需要 %3</source>
            <translation>sessiz bölge: %1 öğesi %2 modülde, %3 gerekli</translation>
        </message>
        <message>
            <source>被纸带边缘截断</source>
            <translation>şeridin kenarında kesiliyor</translation>
        </message>
        <message>
            <source>被%1项目遮盖</source>
            <translation>%1 öğesi tarafından örtülüyor</translation>
        </message>
        <message>
            <source>文本</source>
            <translation>metin</translation>
        </message>
        <message>
            <source>计数器</source>
            <translation>sayaç</translation>
        </message>
        <message>
            <source>计数器2</source>
            <translation>sayaç 2</translation>
        </message>
        <message>
            <source>条码</source>
            <translation>barkod</translation>
        </message>
        <message>
            <source>图片</source>
            <translation>resim</translation>
        </message>
        <message>
            <source>时间</source>
            <translation>zaman</translation>
        </message>
        <message>
            <source>二维码</source>
            <translation>QR kod</translation>
        </message>
        <message>
            <source>其他</source>
            <translation>diğer</translation>
        </message>
        <message>
            <source>模块 %1 mm，符号 %2 × %3 mm</source>
            <translation>modül %1 mm, sembol %2 × %3 mm</translation>
        </message>
        <message>
            <source>模块小于 %1 的最小值 %2 mm（%3）</source>
            <translation>modül %1 için en küçük değer olan %2 mm'den küçük (%3)</translation>
        </message>
        <message>
            <source>；经得起 %1 点的墨水扩散、%2 点的变细</source>
            <translation>; %1 nokta yayılmaya, %2 nokta incelmeye dayanır</translation>
        </message>
    </context>
    <context>
        <name>scanVerdictLabel</name>
        <message>
            <source>打印尺寸</source>
            <translation>Basılı boyut</translation>
        </message>
        <message>
            <source>按打印机分辨率计算的模块和符号尺寸</source>
            <translation>Yazıcı çözünürlüğünde modül ve sembol boyutu</translation>
        </message>
    </context>
    <context>
        <name>printerDialog</name>
        <message>
            <source>取消</source>
            <translation>İptal</translation>
        </message>
        <message>
            <source>打印机分辨率</source>
            <translation>Yazıcı çözünürlüğü</translation>
        </message>
        <message>
            <source>无法保存设置文件。</source>
            <translation>Ayarlar dosyası kaydedilemedi.</translation>
        </message>
        <message>
            <source>横向（300 点的喷头方向）每毫米的点数</source>
            <translation>Enine (300 noktalı kafa yönünde) milimetre başına nokta</translation>
        </message>
        <message>
            <source>横向（点/毫米）</source>
            <translation>Enine (nokta/mm)</translation>
        </message>
        <message>
            <source>沿打印方向每毫米的点数</source>
            <translation>Baskı yönünde milimetre başına nokta</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>Tamam</translation>
        </message>
        <message>
            <source>纵向（点/毫米）</source>
            <translation>Boyuna (nokta/mm)</translation>
        </message>
        <message>
            <source>保存分辨率；标尺随即按它标出毫米</source>
            <translation>Çözünürlüğü kaydet; cetveller milimetreleri hemen buna göre gösterir</translation>
        </message>
        <message>
            <source>关闭，不改变分辨率</source>
            <translation>Çözünürlüğü değiştirmeden kapat</translation>
        </message>
    </context>
    <context>
        <name>recentFiles</name>
        <message>
            <source>文件 %1 已不存在，已从列表中移除。</source>
            <translation>%1 dosyası artık yok; listeden kaldırıldı.</translation>
        </message>
        <message>
            <source>最近的文件</source>
            <translation>Son dosyalar</translation>
        </message>
        <message>
            <source>清除列表</source>
            <translation>Listeyi temizle</translation>
        </message>
        <message>
            <source>清除最近打开的文件列表</source>
            <translation>Son açılan dosyalar listesini temizle</translation>
        </message>
    </context>
    <context>
        <name>recoveryKeeper</name>
        <message>
            <source>丢弃</source>
            <translation>At</translation>
        </message>
        <message>
            <source>以后再说</source>
            <translation>Daha sonra</translation>
        </message>
        <message>
            <source>恢复设计</source>
            <translation>Tasarımı kurtar</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>Aç</translation>
        </message>
        <message>
            <source>未命名</source>
            <translation>Adsız</translation>
        </message>
        <message>
            <source>设计 %1 上次没有正常关闭。要打开 %2 保存的恢复副本吗？</source>
            <translation>%1 tasarımı geçen sefer düzgün kapatılmadı. %2 tarihinde kaydedilen kurtarma kopyası açılsın mı?</translation>
        </message>
    </context>
    <context>
        <name>languageMenu</name>
        <message>
            <source>无法保存语言设置 %1：%2</source>
            <translation>Dil ayarı %1 kaydedilemedi: %2</translation>
        </message>
        <message>
            <source>界面的语言</source>
            <translation>Arayüzün dili</translation>
        </message>
        <message>
            <source>语言</source>
            <translation>Dil</translation>
        </message>
    </context>
    <context>
        <name>layoutAids</name>
        <message>
            <source>%1 点</source>
            <translation>%1 nokta</translation>
        </message>
        <message>
            <source>三个及以上对象之间的间距相等</source>
            <translation>Üç veya daha fazla nesne arasında eşit boşluk</translation>
        </message>
        <message>
            <source>分布</source>
            <translation>Dağıt</translation>
        </message>
        <message>
            <source>右对齐</source>
            <translation>Sağa hizala</translation>
        </message>
        <message>
            <source>在喷印高度居中</source>
            <translation>Baskı yüksekliğinde ortala</translation>
        </message>
        <message>
            <source>垂直居中对齐</source>
            <translation>Dikey merkezleri hizala</translation>
        </message>
        <message>
            <source>对齐</source>
            <translation>Hizala</translation>
        </message>
        <message>
            <source>左对齐</source>
            <translation>Sola hizala</translation>
        </message>
        <message>
            <source>底端对齐</source>
            <translation>Alta hizala</translation>
        </message>
        <message>
            <source>所选对象在 300 点的高度内居中</source>
            <translation>Seçili nesneleri 300 noktalık yükseklikte ortala</translation>
        </message>
        <message>
            <source>所选对象在最上面，保存时排在最前</source>
            <translation>Seçili nesneler en üste gelir ve kaydedilen dosyada ilk sırada olur</translation>
        </message>
        <message>
            <source>所选对象在最下面，保存时排在最后</source>
            <translation>Seçili nesneler en alta gider ve kaydedilen dosyada son sırada olur</translation>
        </message>
        <message>
            <source>所选对象的上边对齐</source>
            <translation>Seçili nesnelerin üst kenarlarını hizala</translation>
        </message>
        <message>
            <source>所选对象的下边对齐</source>
            <translation>Seçili nesnelerin alt kenarlarını hizala</translation>
        </message>
        <message>
            <source>所选对象的右边对齐</source>
            <translation>Seçili nesnelerin sağ kenarlarını hizala</translation>
        </message>
        <message>
            <source>所选对象的垂直中心对齐</source>
            <translation>Seçili nesnelerin dikey merkezlerini hizala</translation>
        </message>
        <message>
            <source>所选对象的左边对齐</source>
            <translation>Seçili nesnelerin sol kenarlarını hizala</translation>
        </message>
        <message>
            <source>所选对象的水平中心对齐</source>
            <translation>Seçili nesnelerin yatay merkezlerini hizala</translation>
        </message>
        <message>
            <source>排列</source>
            <translation>Düzenle</translation>
        </message>
        <message>
            <source>无网格</source>
            <translation>Izgara yok</translation>
        </message>
        <message>
            <source>水平居中对齐</source>
            <translation>Yatay merkezleri hizala</translation>
        </message>
        <message>
            <source>水平等距分布</source>
            <translation>Yatay olarak dağıt</translation>
        </message>
        <message>
            <source>网格</source>
            <translation>Izgara</translation>
        </message>
        <message>
            <source>置于底层</source>
            <translation>En alta gönder</translation>
        </message>
        <message>
            <source>置于顶层</source>
            <translation>En üste getir</translation>
        </message>
        <message>
            <source>顶端对齐</source>
            <translation>Üste hizala</translation>
        </message>
    </context>
    <context>
        <name>designView</name>
        <message>
            <source>X %1 Y %2 点（%3 × %4 毫米）</source>
            <translation>X %1 Y %2 nokta (%3 × %4 mm)</translation>
        </message>
        <message>
            <source>所选 %1 × %2 点（%3 × %4 毫米）</source>
            <translation>Seçim %1 × %2 nokta (%3 × %4 mm)</translation>
        </message>
        <message>
            <source>状态栏</source>
            <translation>Durum satırı</translation>
        </message>
    </context>
    <context>
        <name>helpPage</name>
        <message>
            <source>Ctrl+N 新建，Ctrl+O 打开，Ctrl+S 保存，Ctrl+Z 撤销，Ctrl+Y 重做，Ctrl+X/C/V 剪切、复制、粘贴，Ctrl+Shift+D 复制一份，Ctrl+A 全选，Delete 删除，方向键移动 1 点（Shift 加方向键 10 点），Ctrl+加号/减号 缩放，Ctrl+0 原始比例。</source>
            <translation>Ctrl+N yeni, Ctrl+O aç, Ctrl+S kaydet, Ctrl+Z geri al, Ctrl+Y yinele, Ctrl+X/C/V kes, kopyala, yapıştır, Ctrl+Shift+D çoğalt, Ctrl+A tümünü seç, Delete sil, ok tuşları 1 nokta taşır (Shift ile ok tuşu 10 nokta), Ctrl+artı/eksi yakınlaştır, Ctrl+0 özgün ölçek.</translation>
        </message>
        <message>
            <source>“打印预览”按所选的时刻和计数器值显示喷印的样子，不改变设计；“导出…”把设计存为 PNG、PDF 或 SVG。</source>
            <translation>"Baskı önizleme" baskıyı seçilen an ve sayaç değerleriyle tasarımı değiştirmeden gösterir; "Dışa aktar…" tasarımı PNG, PDF veya SVG olarak kaydeder.</translation>
        </message>
        <message>
            <source>“排列”对齐、居中、等距分布所选对象，并可置于顶层或底层；保存时顶层的对象排在最前。网格默认关闭，打开后拖动的对象落在网格上。每一步都可以撤销。</source>
            <translation>"Düzenle" seçili nesneleri hizalar, ortalar, eşit dağıtır ve en üste getirir ya da en alta gönderir; en üstteki nesne kaydedilen dosyada ilk sıradadır. Izgara varsayılan olarak kapalıdır; açıkken sürüklenen nesneler ızgaraya oturur. Her adım geri alınabilir.</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Kapat</translation>
        </message>
        <message>
            <source>喷印条</source>
            <translation>Baskı şeridi</translation>
        </message>
        <message>
            <source>喷头一次喷出 300 点的高度；画布上的虚线框是喷印条，从 0 到 300 点高，长度到设计的末端。标尺以点和毫米标出位置，毫米按“打印机分辨率”换算。对象不能移出喷印条。</source>
            <translation>Baskı kafası bir seferde 300 nokta yükseklik basar; tuvaldeki kesikli çerçeve şerittir: 0 ile 300 nokta yüksekliğinde, tasarımın sonuna kadar. Cetveller konumları nokta ve milimetre olarak gösterir; milimetreler "Yazıcı çözünürlüğü" ile hesaplanır. Nesneler şeritten çıkamaz.</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Yardım</translation>
        </message>
        <message>
            <source>快捷键</source>
            <translation>Kısayollar</translation>
        </message>
        <message>
            <source>打印预览</source>
            <translation>Baskı önizleme</translation>
        </message>
        <message>
            <source>排列</source>
            <translation>Düzenle</translation>
        </message>
        <message>
            <source>数据文件与恢复</source>
            <translation>Dosyalar ve kurtarma</translation>
        </message>
        <message>
            <source>设计保存为 .spr 文件；“文件”菜单列出最近的文件。设计有未保存的修改时，程序每 30 秒内保存一份恢复副本；程序意外结束后，下次启动时可以打开它。</source>
            <translation>Tasarımlar .spr dosyası olarak kaydedilir; "Dosya" menüsü son dosyaları listeler. Tasarımda kaydedilmemiş değişiklik varken en geç 30 saniyede bir kurtarma kopyası kaydedilir; program beklenmedik biçimde kapanırsa sonraki açılışta bu kopya açılabilir.</translation>
        </message>
        <message>
            <source>程序的简短说明；Esc 关闭</source>
            <translation>Programın kısa kılavuzu; Esc ile kapanır</translation>
        </message>
        <message>
            <source>关闭帮助</source>
            <translation>Yardımı kapat</translation>
        </message>
        <message>
            <source>键盘操作</source>
            <translation>Klavye</translation>
        </message>
        <message>
            <source>画布有焦点时，Tab 和 Shift+Tab 沿喷印条逐个选择对象，并显示它的设置；最后一个对象之后，Tab 移到下一个控件。每个控件都有提示，鼠标停在上面即可看到。</source>
            <translation>Tuval odaktayken Tab ve Shift+Tab öğeleri şerit boyunca tek tek seçer ve ayarlarını gösterir; son öğeden sonra Tab bir sonraki denetime geçer. Her denetimin bir ipucu vardır: görmek için işaretçiyi üzerinde bekletin.</translation>
        </message>
    </context>
</TS>
