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
            <source>文件过大</source>
            <translation>Dosya çok büyük</translation>
        </message>
        <message>
            <source>文件第一行不是 [FileInfo]，不是设计文件</source>
            <translation>Dosyanın ilk satırı [FileInfo] değil: bu bir tasarım dosyası değil</translation>
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
            <source>Image Files(*.jpg *.bmp)</source>
            <translation type="unfinished" />
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
            <translation type="unfinished">İptal</translation>
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
            <source>文件中的项目超过 %1 个，无法完整打开</source>
            <translation>Dosyada %1 öğeden fazla var ve tamamı açılamıyor</translation>
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
    </context>
</TS>
