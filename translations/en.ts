<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
    <context>
        <name>QObject</name>
        <message>
            <source>条码格式错误，本条码为13位阿拉伯数字！</source>
            <translation>Barcode format error,the barcode is 13 - bit Arabic numerals!</translation>
        </message>
        <message>
            <source>条码格式错误，本条码为8位阿拉伯数字！</source>
            <translation>Barcode format error,the barcode is 8 - bit Arabic numerals!</translation>
        </message>
        <message>
            <source>条码格式错误，本条码内容仅包含数字与大写字母及部分符号！</source>
            <translation>Barcode format error!</translation>
        </message>
        <message>
            <source>条码格式错误，本条码为12位阿拉伯数字！</source>
            <translation>Barcode format error!</translation>
        </message>
        <message>
            <source>条码格式错误，本条码内容仅包含数字与英文字母及部分符号！</source>
            <translation>Barcode format error!</translation>
        </message>
        <message>
            <source>条码格式错误！</source>
            <translation>Barcode format error!</translation>
        </message>
        <message>
            <source>警告</source>
            <translation>warning</translation>
        </message>
        <message>
            <source>确认</source>
            <translation>OK</translation>
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
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>计数器类型</source>
            <translation>Cnt mode</translation>
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
            <translation>TimeSetting</translation>
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
            <translation>Rotation</translation>
        </message>
        <message>
            <source>精度</source>
            <translation>Level</translation>
        </message>
        <message>
            <source>低</source>
            <translation>Low</translation>
        </message>
        <message>
            <source>中</source>
            <translation>Medium</translation>
        </message>
        <message>
            <source>高</source>
            <translation>High</translation>
        </message>
        <message>
            <source>精准</source>
            <translation>Accurate</translation>
        </message>
        <message>
            <source>缩放</source>
            <translation>Scale</translation>
        </message>
        <message>
            <source>边长</source>
            <translation>Length</translation>
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
            <translation>Variable</translation>
        </message>
    </context>
    <context>
        <name>Widget</name>
        <message>
            <source>编辑软件</source>
            <translation>Editor</translation>
        </message>
        <message>
            <source>文字</source>
            <translation>Text</translation>
        </message>
        <message>
            <source>时间</source>
            <translation>Time</translation>
        </message>
        <message>
            <source>序号1</source>
            <translation>Cnt1</translation>
        </message>
        <message>
            <source>序号2</source>
            <translation>Cnt2</translation>
        </message>
        <message>
            <source>图片</source>
            <translation>Image</translation>
        </message>
        <message>
            <source>条形码</source>
            <translation>BarCode</translation>
        </message>
        <message>
            <source>二维码</source>
            <translation>QRCode</translation>
        </message>
        <message>
            <source>删除</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>文件</source>
            <translation>File</translation>
        </message>
        <message>
            <source>完成</source>
            <translation>finish</translation>
        </message>
        <message>
            <source>新建</source>
            <translation>New</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>Open</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>另存为</source>
            <translation>Save As</translation>
        </message>
        <message>
            <source>退出</source>
            <translation>Exit</translation>
        </message>
        <message>
            <source>打开文件</source>
            <translation>Open file</translation>
        </message>
        <message>
            <source>Spr Files(*.spr )</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>保存文件</source>
            <translation>Save file</translation>
        </message>
        <message>
            <source>*.spr</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>无法保存文件 %1：%2</source>
            <translation>Cannot save the file %1: %2</translation>
        </message>
        <message>
            <source>文件过大</source>
            <translation>The file is too large</translation>
        </message>
        <message>
            <source>文件第一行不是 [FileInfo]，不是设计文件</source>
            <translation>The first line of the file is not [FileInfo]: it is not a design file</translation>
        </message>
        <message>
            <source>无法打开文件 %1：%2</source>
            <translation>Cannot open the file %1: %2</translation>
        </message>
        <message>
            <source>打开图片</source>
            <translation>open Image</translation>
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
            <translation>Undo</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>Redo</translation>
        </message>
        <message>
            <source>新建对象</source>
            <translation>New item</translation>
        </message>
        <message>
            <source>移动</source>
            <translation>Move</translation>
        </message>
        <message>
            <source>剪切</source>
            <translation>Cut</translation>
        </message>
        <message>
            <source>复制</source>
            <translation>Copy</translation>
        </message>
        <message>
            <source>粘贴</source>
            <translation>Paste</translation>
        </message>
        <message>
            <source>复制一份</source>
            <translation>Duplicate</translation>
        </message>
        <message>
            <source>全选</source>
            <translation>Select all</translation>
        </message>
        <message>
            <source>放大</source>
            <translation>Zoom in</translation>
        </message>
        <message>
            <source>缩小</source>
            <translation>Zoom out</translation>
        </message>
        <message>
            <source>适合窗口</source>
            <translation>Fit to window</translation>
        </message>
        <message>
            <source>原始比例</source>
            <translation>Start zoom (58%)</translation>
        </message>
        <message>
            <source>设计已修改，是否保存？</source>
            <translation>The design has been modified. Save the changes?</translation>
        </message>
        <message>
            <source>不保存</source>
            <translation>Don't Save</translation>
        </message>
        <message>
            <source>取消</source>
            <translation type="unfinished">Cancel</translation>
        </message>
        <message>
            <source>删除文件</source>
            <translation>Delete File</translation>
        </message>
        <message>
            <source>确定要删除文件 %1 吗？</source>
            <translation>Delete the file %1?</translation>
        </message>
        <message>
            <source>无法删除文件 %1：%2</source>
            <translation>Cannot delete the file %1: %2</translation>
        </message>
        <message>
            <source>文件中的项目超过 %1 个，无法完整打开</source>
            <translation>The file holds more than %1 items and cannot be opened completely</translation>
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
            <translation>Type</translation>
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
            <translation>Height</translation>
        </message>
        <message>
            <source>旋转</source>
            <translation>Rotation</translation>
        </message>
        <message>
            <source>显示数字</source>
            <translation>Show Text</translation>
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
            <translation>Rotation</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Font</translation>
        </message>
        <message>
            <source>字号</source>
            <translation>Size</translation>
        </message>
        <message>
            <source>间距</source>
            <translation>Spacing</translation>
        </message>
        <message>
            <source>类型</source>
            <translation>Digits</translation>
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
            <translation>Rotation</translation>
        </message>
        <message>
            <source>类别</source>
            <translation>Counter</translation>
        </message>
        <message>
            <source>计数器1</source>
            <translation>Counter1</translation>
        </message>
        <message>
            <source>计数器2</source>
            <translation>Counter2</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Font</translation>
        </message>
        <message>
            <source>字号</source>
            <translation>Size</translation>
        </message>
        <message>
            <source>间距</source>
            <translation>Spacing</translation>
        </message>
        <message>
            <source>类型</source>
            <translation>Digits</translation>
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
            <translation>No picture</translation>
        </message>
        <message>
            <source>图片无法读取</source>
            <translation>The picture cannot be read</translation>
        </message>
        <message>
            <source>内容无法生成二维码</source>
            <translation>The content cannot be made into a QR code</translation>
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
            <translation>Width</translation>
        </message>
        <message>
            <source>高度</source>
            <translation>Height</translation>
        </message>
        <message>
            <source>旋转</source>
            <translation>Rotation</translation>
        </message>
        <message>
            <source>选择图形</source>
            <translation>Browse</translation>
        </message>
        <message>
            <source>反 色</source>
            <translation>Inverse</translation>
        </message>
        <message>
            <source>文件名</source>
            <translation>FilePath</translation>
        </message>
    </context>
    <context>
        <name>safeWrite</name>
        <message>
            <source>是一个文件夹</source>
            <translation>is a folder</translation>
        </message>
        <message>
            <source>不是普通文件（管道、设备或套接字），不会被替换</source>
            <translation>is not a regular file (a pipe, device or socket) and is not replaced</translation>
        </message>
        <message>
            <source>没有文件名</source>
            <translation>no file name</translation>
        </message>
    </context>
    <context>
        <name>setTimeModeDialog</name>
        <message>
            <source>格式设置</source>
            <translation>Format Settings</translation>
        </message>
        <message>
            <source>格式</source>
            <translation>Format</translation>
        </message>
        <message>
            <source>后缀</source>
            <translation>Suffix</translation>
        </message>
        <message>
            <source>顺序</source>
            <translation>Order</translation>
        </message>
        <message>
            <source>年:</source>
            <translation>Year:</translation>
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
            <translation>Cancel</translation>
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
            <translation>Space</translation>
        </message>
        <message>
            <source>月:</source>
            <translation>Mon:</translation>
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
            <translation>Day:</translation>
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
            <translation>2 spaces</translation>
        </message>
        <message>
            <source>时:</source>
            <translation>Hour:</translation>
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
            <translation>Min:</translation>
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
            <translation>Sec:</translation>
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
            <translation>Quick:</translation>
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
            <translation>Preview</translation>
        </message>
        <message>
            <source>2016/07/01 08:30:00</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>startup</name>
        <message>
            <source>喷码机标签设计软件</source>
            <translation>Label designer for inkjet marking printers</translation>
        </message>
        <message>
            <source>要打开的设计文件 (.spr)</source>
            <translation>The design file to open (.spr)</translation>
        </message>
        <message>
            <source>只能打开一个文件</source>
            <translation>Only one file can be opened</translation>
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
            <translation>Rotation</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Font</translation>
        </message>
        <message>
            <source>字号</source>
            <translation>Size</translation>
        </message>
        <message>
            <source>间距</source>
            <translation>Spacing</translation>
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
            <translation>Arabic</translation>
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
            <translation>Rotation</translation>
        </message>
        <message>
            <source>字体</source>
            <translation>Font</translation>
        </message>
        <message>
            <source>字号</source>
            <translation>Size</translation>
        </message>
        <message>
            <source>间距</source>
            <translation>Spacing</translation>
        </message>
        <message>
            <source>更改</source>
            <translation>Change</translation>
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
