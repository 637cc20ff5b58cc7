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
        <message>
            <source>第 %1 个字符“%2”无法用该码制编码。</source>
            <translation>Character %1, "%2", cannot be encoded in this symbology.</translation>
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
        <message>
            <source>二维码的内容；计数器和时间的占位符加在末尾</source>
            <translation>Content of the QR code; counter and time placeholders are added at its end</translation>
        </message>
        <message>
            <source>内容</source>
            <translation>Content</translation>
        </message>
        <message>
            <source>把内容用到二维码</source>
            <translation>Apply the content to the QR code</translation>
        </message>
        <message>
            <source>关闭，不改变二维码</source>
            <translation>Close without changing the QR code</translation>
        </message>
        <message>
            <source>选择位数，在内容末尾加入计数器的占位符</source>
            <translation>Choose the digits to add a counter placeholder at the end of the content</translation>
        </message>
        <message>
            <source>计数器位数</source>
            <translation>Counter digits</translation>
        </message>
        <message>
            <source>选择日期时间格式，在内容末尾加入时间的占位符</source>
            <translation>Choose a date and time format to add a time placeholder at the end of the content</translation>
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
        <message>
            <source>GS1 数字链接</source>
            <translation>GS1 Digital Link</translation>
        </message>
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>Distance of the left edge from the start of the strip (dots, 0 to 79999)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>X position</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>Distance of the top edge from the top of the strip (dots); the item stays within the 300-dot strip</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>Y position</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>Clockwise rotation (degrees, 0 to 180)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>Rotation angle</translation>
        </message>
        <message>
            <source>纠错等级：越高越能承受污损，符号也越大</source>
            <translation>Error correction level: a higher one withstands more damage but makes a larger symbol</translation>
        </message>
        <message>
            <source>纠错等级</source>
            <translation>Error correction level</translation>
        </message>
        <message>
            <source>一个模块的边长（点，0 到 77）</source>
            <translation>Side of one module (dots, 0 to 77)</translation>
        </message>
        <message>
            <source>模块大小</source>
            <translation>Module size</translation>
        </message>
        <message>
            <source>符号每边的模块数</source>
            <translation>Modules along each side of the symbol</translation>
        </message>
        <message>
            <source>符号大小</source>
            <translation>Symbol size</translation>
        </message>
        <message>
            <source>在内容中加入计数器或日期时间</source>
            <translation>Put a counter or a date and time into the content</translation>
        </message>
        <message>
            <source>可变内容</source>
            <translation>Variable content</translation>
        </message>
        <message>
            <source>用 GS1 数字链接组成内容：商品代码、批号、日期、序列号</source>
            <translation>Compose the content as a GS1 Digital Link: GTIN, batch, dates, serial number</translation>
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
            <source>无法打开文件 %1：%2</source>
            <translation>Cannot open the file %1: %2</translation>
        </message>
        <message>
            <source>打开图片</source>
            <translation>open Image</translation>
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
            <translation>Cancel</translation>
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
            <source>导出</source>
            <translation>Export</translation>
        </message>
        <message>
            <source>无法导出 %1：%2</source>
            <translation>Cannot export %1: %2</translation>
        </message>
        <message>
            <source> 等 %1 行</source>
            <translation> and others, %1 lines in all</translation>
        </message>
        <message>
            <source>文件 %1 的第 %2 行不是 UTF-8 文本，显示为替换字符；保存后这些字符将丢失。</source>
            <translation>Line %2 of file %1 is not UTF-8 text and is shown with replacement characters; saving will lose those characters.</translation>
        </message>
        <message>
            <source>文件 %1 在打开或上次保存之后已被其他窗口或程序修改。覆盖这些修改吗？</source>
            <translation>The file %1 was changed by another window or program after it was opened or last saved. Overwrite those changes?</translation>
        </message>
        <message>
            <source>覆盖</source>
            <translation>Overwrite</translation>
        </message>
        <message>
            <source>Image Files(*.jpg *.jpeg *.bmp *.png)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>文件 %1 中有设计软件没有读取的段，保存后它们将不再在文件中：%2。仍然保存吗？</source>
            <translation>The file %1 holds sections the designer did not read; after saving they will no longer be in the file: %2. Save anyway?</translation>
        </message>
        <message>
            <source>第 %1 行的 %2</source>
            <translation>%2 at line %1</translation>
        </message>
        <message>
            <source> 等 %1 段</source>
            <translation> and others, %1 sections in all</translation>
        </message>
        <message>
            <source>写入打印机U盘</source>
            <translation>Write to the printer's USB disk</translation>
        </message>
        <message>
            <source>替换</source>
            <translation>Replace</translation>
        </message>
        <message>
            <source>写入打印机U盘…</source>
            <translation>Write to the printer's USB disk…</translation>
        </message>
        <message>
            <source>请先保存设计：U盘上的设计使用它的文件名。</source>
            <translation>Save the design first: the design on the USB disk takes its file name.</translation>
        </message>
        <message>
            <source>选择打印机U盘的文件夹</source>
            <translation>Choose the folder of the printer's USB disk</translation>
        </message>
        <message>
            <source>没有写入任何文件：</source>
            <translation>Nothing was written:</translation>
        </message>
        <message>
            <source>文件夹中已有这些文件，是否替换？</source>
            <translation>The folder already holds these files. Replace them?</translation>
        </message>
        <message>
            <source>已写入 %1 个文件到 %2</source>
            <translation>%1 files written to %2</translation>
        </message>
        <message>
            <source>设计文件旁已有同名的其他图片：%1。用设计中的图片替换它们吗？</source>
            <translation>Beside the design there are other pictures of the same name: %1. Replace them with the design's pictures?</translation>
        </message>
        <message>
            <source>查找图片 %1</source>
            <translation>Find the picture %1</translation>
        </message>
        <message>
            <source>Image Files(*.jpg *.bmp)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>文件第一行不是 [FileInfo]，不是设计文件</source>
            <translation>The first line of the file is not [FileInfo]: it is not a design file</translation>
        </message>
        <message>
            <source>文件中的项目超过 %1 个，无法完整打开</source>
            <translation>The file holds more than %1 items and cannot be opened completely</translation>
        </message>
        <message>
            <source>文件超过 %1 MiB，无法打开</source>
            <translation>The file is larger than %1 MiB and cannot be opened</translation>
        </message>
        <message>
            <source>图片超过 %1 MiB，无法打开</source>
            <translation>A picture is larger than %1 MiB; the file cannot be opened</translation>
        </message>
        <message>
            <source>打印机分辨率…</source>
            <translation>Printer resolution…</translation>
        </message>
        <message>
            <source>对齐、分布和叠放所选对象，网格</source>
            <translation>Align, distribute and stack the selected items; grid</translation>
        </message>
        <message>
            <source>排列</source>
            <translation>Arrange</translation>
        </message>
        <message>
            <source>全部</source>
            <translation>All</translation>
        </message>
        <message>
            <source>适合设计：显示整个设计</source>
            <translation>Fit design: show the whole design</translation>
        </message>
        <message>
            <source>适合高度：显示整个 300 点的高度</source>
            <translation>Fit height: show the whole 300-dot height</translation>
        </message>
        <message>
            <source>高度</source>
            <translation>Height</translation>
        </message>
        <message>
            <source>内容</source>
            <translation>Content</translation>
        </message>
        <message>
            <source>删除所选对象</source>
            <translation>Delete the selected items</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>所选文字、条形码或二维码的内容</source>
            <translation>The content of the selected text, barcode or QR code</translation>
        </message>
        <message>
            <source>把内容用到所选对象</source>
            <translation>Apply the content to the selected item</translation>
        </message>
        <message>
            <source>新建、打开、保存文件，最近的文件，语言，帮助</source>
            <translation>New, open and save files; recent files; language; help</translation>
        </message>
        <message>
            <source>添加二维码</source>
            <translation>Add a QR code</translation>
        </message>
        <message>
            <source>添加图片</source>
            <translation>Add a picture</translation>
        </message>
        <message>
            <source>添加序号1</source>
            <translation>Add counter 1</translation>
        </message>
        <message>
            <source>添加序号2</source>
            <translation>Add counter 2</translation>
        </message>
        <message>
            <source>添加文字</source>
            <translation>Add a text</translation>
        </message>
        <message>
            <source>添加时间</source>
            <translation>Add a date and time</translation>
        </message>
        <message>
            <source>添加条形码</source>
            <translation>Add a barcode</translation>
        </message>
        <message>
            <source>设计画布</source>
            <translation>Design canvas</translation>
        </message>
        <message>
            <source>设计画布：拖动对象，右键打开菜单</source>
            <translation>Design canvas: drag items; right-click opens the menu</translation>
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
        <message>
            <source>模块宽度</source>
            <translation>Module width</translation>
        </message>
        <message>
            <source>条形码的码制</source>
            <translation>Barcode symbology</translation>
        </message>
        <message>
            <source>码制</source>
            <translation>Symbology</translation>
        </message>
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>Distance of the left edge from the start of the strip (dots, 0 to 79999)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>X position</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>Distance of the top edge from the top of the strip (dots); the item stays within the 300-dot strip</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>Y position</translation>
        </message>
        <message>
            <source>条的高度（点，1 到 400）</source>
            <translation>Bar height (dots, 1 to 400)</translation>
        </message>
        <message>
            <source>条高</source>
            <translation>Bar height</translation>
        </message>
        <message>
            <source>一个模块（最窄的条）的宽度（点，1 到 20）</source>
            <translation>Width of one module (the narrowest bar) in dots, 1 to 20</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>Clockwise rotation (degrees, 0 to 180)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>Rotation angle</translation>
        </message>
        <message>
            <source>在条的下面打印人眼可读的数字</source>
            <translation>Print the human-readable digits under the bars</translation>
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
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>Distance of the left edge from the start of the strip (dots, 0 to 79999)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>X position</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>Distance of the top edge from the top of the strip (dots); the item stays within the 300-dot strip</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>Y position</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>Clockwise rotation (degrees, 0 to 180)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>Rotation angle</translation>
        </message>
        <message>
            <source>字体；列出的字体须安装在这台电脑上</source>
            <translation>Typeface; the fonts listed must be installed on this computer</translation>
        </message>
        <message>
            <source>字的高度（点，6 到 400）</source>
            <translation>Character height (dots, 6 to 400)</translation>
        </message>
        <message>
            <source>字符之间增加的距离（点，-100 到 200；负值使字符靠拢）</source>
            <translation>Extra space between characters (dots, -100 to 200; negative values move them closer)</translation>
        </message>
        <message>
            <source>字间距</source>
            <translation>Letter spacing</translation>
        </message>
        <message>
            <source>计数器打印的位数，不足的前面补零</source>
            <translation>Number of digits the counter prints, padded with leading zeros</translation>
        </message>
        <message>
            <source>位数</source>
            <translation>Digits</translation>
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
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>Distance of the left edge from the start of the strip (dots, 0 to 79999)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>X position</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>Distance of the top edge from the top of the strip (dots); the item stays within the 300-dot strip</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>Y position</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>Clockwise rotation (degrees, 0 to 180)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>Rotation angle</translation>
        </message>
        <message>
            <source>打印机有两个计数器：这个对象打印哪一个</source>
            <translation>The printer has two counters: the one this item prints</translation>
        </message>
        <message>
            <source>计数器</source>
            <translation>Counter</translation>
        </message>
        <message>
            <source>字体；列出的字体须安装在这台电脑上</source>
            <translation>Typeface; the fonts listed must be installed on this computer</translation>
        </message>
        <message>
            <source>字的高度（点，6 到 400）</source>
            <translation>Character height (dots, 6 to 400)</translation>
        </message>
        <message>
            <source>字符之间增加的距离（点，-100 到 200；负值使字符靠拢）</source>
            <translation>Extra space between characters (dots, -100 to 200; negative values move them closer)</translation>
        </message>
        <message>
            <source>字间距</source>
            <translation>Letter spacing</translation>
        </message>
        <message>
            <source>计数器打印的位数，不足的前面补零</source>
            <translation>Number of digits the counter prints, padded with leading zeros</translation>
        </message>
        <message>
            <source>位数</source>
            <translation>Digits</translation>
        </message>
    </context>
    <context>
        <name>dataFile</name>
        <message>
            <source>找不到数据文件</source>
            <translation>data file not found</translation>
        </message>
        <message>
            <source>数据文件只有 %1 行</source>
            <translation>the data file has only %1 lines</translation>
        </message>
        <message>
            <source>第 %1 行不是 UTF-8 文本</source>
            <translation>line %1 is not UTF-8 text</translation>
        </message>
    </context>
    <context>
        <name>dataFileGroup</name>
        <message>
            <source>数据文件</source>
            <translation>Data file</translation>
        </message>
        <message>
            <source>内容来自数据文件</source>
            <translation>Content from a data file</translation>
        </message>
        <message>
            <source>打印时内容取自数据文件的一行</source>
            <translation>When printing, the content is one line of the data file</translation>
        </message>
        <message>
            <source>内容来自串口</source>
            <translation>Content from the serial line</translation>
        </message>
        <message>
            <source>打印时内容取自打印机串口收到的数据</source>
            <translation>When printing, the content is what the printer receives on its serial line</translation>
        </message>
        <message>
            <source>数据文件的路径，按原样保存在设计中</source>
            <translation>The data file's path, stored in the design as written</translation>
        </message>
        <message>
            <source>数据文件路径</source>
            <translation>Data file path</translation>
        </message>
        <message>
            <source>选择…</source>
            <translation>Choose…</translation>
        </message>
        <message>
            <source>选择数据文件</source>
            <translation>Choose the data file</translation>
        </message>
        <message>
            <source>起始行</source>
            <translation>First line</translation>
        </message>
        <message>
            <source>打印的第一行（从 1 起）</source>
            <translation>The first line printed (counting from 1)</translation>
        </message>
        <message>
            <source>结束行</source>
            <translation>Last line</translation>
        </message>
        <message>
            <source>打印的最后一行</source>
            <translation>The last line printed</translation>
        </message>
        <message>
            <source>当前行</source>
            <translation>Current line</translation>
        </message>
        <message>
            <source>打印机记录的当前行，只读</source>
            <translation>The current line as the printer recorded it; read-only</translation>
        </message>
        <message>
            <source>已全部打印</source>
            <translation>All printed</translation>
        </message>
        <message>
            <source>打印机记录的各行是否已全部打印，只读</source>
            <translation>Whether the printer recorded every line as printed; read-only</translation>
        </message>
        <message>
            <source>数据文件 (*.txt *.csv);;所有文件 (*)</source>
            <translation>Data files (*.txt *.csv);;All files (*)</translation>
        </message>
        <message>
            <source>选择数据文件：UTF-8 文本，每行一条记录</source>
            <translation>Choose the data file: UTF-8 text, one record per line</translation>
        </message>
    </context>
    <context>
        <name>designExport</name>
        <message>
            <source>图片 %1 × %2 像素过大</source>
            <translation>A picture of %1 × %2 pixels is too large</translation>
        </message>
        <message>
            <source>内存不足</source>
            <translation>Not enough memory</translation>
        </message>
        <message>
            <source>分辨率必须在 1 到 100000 之间</source>
            <translation>The resolution must be between 1 and 100000</translation>
        </message>
        <message>
            <source>无法生成文件内容</source>
            <translation>The file content cannot be made</translation>
        </message>
        <message>
            <source>只有 PDF 能写多页</source>
            <translation>Only PDF can hold several pages</translation>
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
            <translation>%1 not found</translation>
        </message>
        <message>
            <source>无法读取 %1：%2</source>
            <translation>cannot read %1: %2</translation>
        </message>
        <message>
            <source>两个不同的文件在打印机U盘上同名 %1：%2 和 %3</source>
            <translation>two different files would have the same name %1 on the printer's disk: %2 and %3</translation>
        </message>
        <message>
            <source>文件名为空</source>
            <translation>the file name is empty</translation>
        </message>
        <message>
            <source>文件名超过 255 个字符</source>
            <translation>the file name is longer than 255 characters</translation>
        </message>
        <message>
            <source>文件名中有 U 盘（FAT）不允许的字符 %1</source>
            <translation>the file name holds a character a USB disk (FAT) does not allow %1</translation>
        </message>
        <message>
            <source>文件名以点或空格结尾</source>
            <translation>the file name ends in a dot or a space</translation>
        </message>
        <message>
            <source>%1 是保留的设备名</source>
            <translation>%1 is a reserved device name</translation>
        </message>
        <message>
            <source>无法创建文件夹 %1</source>
            <translation>cannot create the folder %1</translation>
        </message>
        <message>
            <source>无法写入 %1：%2</source>
            <translation>cannot write %1: %2</translation>
        </message>
        <message>
            <source>无法写入 %1</source>
            <translation>cannot write %1</translation>
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
        <message>
            <source>空文本</source>
            <translation>Empty text</translation>
        </message>
        <message>
            <source>找不到图片 %1</source>
            <translation>picture %1 not found</translation>
        </message>
    </context>
    <context>
        <name>gs1DigitalLink</name>
        <message>
            <source>(%1) %2：输入的校验位是 %3，计算出的是 %4</source>
            <translation>(%1) %2: the check digit typed is %3, the computed one is %4</translation>
        </message>
        <message>
            <source>(%1) %2：长度为 %3，应为 %4</source>
            <translation>(%1) %2: length %3, should be %4</translation>
        </message>
        <message>
            <source>(%1) %2：不允许的字符“%3”</source>
            <translation>(%1) %2: characters not allowed "%3"</translation>
        </message>
        <message>
            <source>(%1) %2：不是有效的日期 YYMMDD</source>
            <translation>(%1) %2: not a valid date YYMMDD</translation>
        </message>
        <message>
            <source>(%1) %2：“%3”须写成有效的百分号编码</source>
            <translation>(%1) %2: "%3" must be written as a valid percent-encoding</translation>
        </message>
        <message>
            <source>(%1) 不能写在路径中，应写在查询部分（?%1=…）</source>
            <translation>(%1) cannot be in the path; it belongs in the query (?%1=…)</translation>
        </message>
        <message>
            <source>路径中 (%1) 不能跟在 (%2) 之后</source>
            <translation>in the path, (%1) cannot follow (%2)</translation>
        </message>
        <message>
            <source>路径中的 (%1) 不是 (%2) 的限定符</source>
            <translation>(%1) in the path is not a qualifier of (%2)</translation>
        </message>
        <message>
            <source>路径在 (%1) 之后缺少值</source>
            <translation>the path lacks a value after (%1)</translation>
        </message>
        <message>
            <source>(%1) 出现了不止一次</source>
            <translation>(%1) appears more than once</translation>
        </message>
        <message>
            <source>有效期 (17) %1 早于生产日期 (11) %2</source>
            <translation>expiry (17) %1 is before the production date (11) %2</translation>
        </message>
    </context>
    <context>
        <name>gs1DigitalLinkDialog</name>
        <message>
            <source>GS1 数字链接</source>
            <translation>GS1 Digital Link</translation>
        </message>
        <message>
            <source>域名</source>
            <translation>Domain</translation>
        </message>
        <message>
            <source>商品代码 GTIN (01)</source>
            <translation>GTIN (01)</translation>
        </message>
        <message>
            <source>批号 (10)</source>
            <translation>Batch/lot (10)</translation>
        </message>
        <message>
            <source>生产日期 (11)</source>
            <translation>Production date (11)</translation>
        </message>
        <message>
            <source>打印当天（日期占位符 yyMMdd）</source>
            <translation>The print date (date placeholder yyMMdd)</translation>
        </message>
        <message>
            <source>有效期 (17)</source>
            <translation>Expiry date (17)</translation>
        </message>
        <message>
            <source>序列号 (21)</source>
            <translation>Serial (21)</translation>
        </message>
        <message>
            <source>无</source>
            <translation>None</translation>
        </message>
        <message>
            <source>固定</source>
            <translation>Fixed</translation>
        </message>
        <message>
            <source>计数器</source>
            <translation>Counter</translation>
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
            <source>请输入 GTIN</source>
            <translation>Enter a GTIN</translation>
        </message>
        <message>
            <source>域名须以 http:// 或 https:// 开头</source>
            <translation>The domain must start with http:// or https://</translation>
        </message>
        <message>
            <source>GTIN 只能含数字</source>
            <translation>A GTIN holds digits only</translation>
        </message>
        <message>
            <source>GTIN 须为 8、12、13 或 14 位数字（含校验位）</source>
            <translation>A GTIN has 8, 12, 13 or 14 digits (check digit included)</translation>
        </message>
        <message>
            <source>校验位应为 %1，输入的是 %2</source>
            <translation>The check digit should be %1; %2 was typed</translation>
        </message>
        <message>
            <source>校验位 %1 正确</source>
            <translation>Check digit %1 is right</translation>
        </message>
        <message>
            <source>链接网址的开头，例如 https://id.gs1.org</source>
            <translation>Start of the link's address, e.g. https://id.gs1.org</translation>
        </message>
        <message>
            <source>商品代码：8、12、13 或 14 位数字，最后一位是校验位</source>
            <translation>Product code: 8, 12, 13 or 14 digits, the last one a check digit</translation>
        </message>
        <message>
            <source>商品代码 GTIN</source>
            <translation>Product code GTIN</translation>
        </message>
        <message>
            <source>批号，最多 20 个字符；可以空着</source>
            <translation>Batch or lot, up to 20 characters; may stay empty</translation>
        </message>
        <message>
            <source>批号</source>
            <translation>Batch</translation>
        </message>
        <message>
            <source>生产日期取打印当天</source>
            <translation>Production date: the day of printing</translation>
        </message>
        <message>
            <source>生产日期</source>
            <translation>Production date</translation>
        </message>
        <message>
            <source>在链接中加入有效期</source>
            <translation>Put an expiry date into the link</translation>
        </message>
        <message>
            <source>有效期</source>
            <translation>Expiry date</translation>
        </message>
        <message>
            <source>有效期的日期</source>
            <translation>The day the product expires</translation>
        </message>
        <message>
            <source>有效期日期</source>
            <translation>Expiry day</translation>
        </message>
        <message>
            <source>序列号：无、固定的文字或打印机的计数器</source>
            <translation>Serial number: none, a fixed text or the printer's counter</translation>
        </message>
        <message>
            <source>序列号类型</source>
            <translation>Serial number kind</translation>
        </message>
        <message>
            <source>固定的序列号，最多 20 个字符</source>
            <translation>Fixed serial number, up to 20 characters</translation>
        </message>
        <message>
            <source>序列号</source>
            <translation>Serial number</translation>
        </message>
        <message>
            <source>计数器的位数（1 到 8）</source>
            <translation>Digits of the counter (1 to 8)</translation>
        </message>
        <message>
            <source>计数器位数</source>
            <translation>Counter digits</translation>
        </message>
        <message>
            <source>把链接用作二维码的内容</source>
            <translation>Use the link as the QR code's content</translation>
        </message>
        <message>
            <source>关闭，不改变二维码</source>
            <translation>Close without changing the QR code</translation>
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
        <message>
            <source>查找图片…</source>
            <translation>Find picture…</translation>
        </message>
        <message>
            <source>图片文件不在设计所说的位置：选择它现在所在的文件，同一文件夹中也会查找其他缺少的图片</source>
            <translation>The picture file is not where the design says: choose the file where it is now; the same folder is searched for the other missing pictures</translation>
        </message>
        <message>
            <source>查找缺少的图片</source>
            <translation>Find the missing picture</translation>
        </message>
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>Distance of the left edge from the start of the strip (dots, 0 to 79999)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>X position</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>Distance of the top edge from the top of the strip (dots); the item stays within the 300-dot strip</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>Y position</translation>
        </message>
        <message>
            <source>图片的宽度（点，0 到 20000）</source>
            <translation>Picture width (dots, 0 to 20000)</translation>
        </message>
        <message>
            <source>图片宽度</source>
            <translation>Picture width</translation>
        </message>
        <message>
            <source>图片的高度（点，0 到 400）</source>
            <translation>Picture height (dots, 0 to 400)</translation>
        </message>
        <message>
            <source>图片高度</source>
            <translation>Picture height</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>Clockwise rotation (degrees, 0 to 180)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>Rotation angle</translation>
        </message>
        <message>
            <source>选择一个图片文件（JPEG、BMP 或 PNG），转为黑白</source>
            <translation>Choose a picture file (JPEG, BMP or PNG); it is turned into black and white</translation>
        </message>
        <message>
            <source>选择图片</source>
            <translation>Choose picture</translation>
        </message>
        <message>
            <source>黑白互换</source>
            <translation>Swap black and white</translation>
        </message>
        <message>
            <source>反色</source>
            <translation>Invert</translation>
        </message>
        <message>
            <source>所选图片文件的路径；用“选择图形”更换</source>
            <translation>Path of the chosen picture file; “Browse” replaces it</translation>
        </message>
        <message>
            <source>图片文件</source>
            <translation>Picture file</translation>
        </message>
    </context>
    <context>
        <name>previewBar</name>
        <message>
            <source>打印预览</source>
            <translation>Print preview</translation>
        </message>
        <message>
            <source>导出…</source>
            <translation>Export…</translation>
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
            <source>%1 个二维码的占位符位置与内容不符</source>
            <translation>%1 QR code(s): placeholder positions do not match the content</translation>
        </message>
        <message>
            <source>%1 个二维码的 GS1 数字链接有误</source>
            <translation>%1 QR codes carry a faulty GS1 Digital Link</translation>
        </message>
        <message>
            <source>预览数据文件的第几行：每个内容来自数据文件的项目显示这一行，限于它自己的起始行和结束行</source>
            <translation>The data-file line the preview shows: every item whose content comes from a data file shows this line, held to its own first and last line</translation>
        </message>
        <message>
            <source>预览的数据文件行</source>
            <translation>Previewed data-file line</translation>
        </message>
        <message>
            <source>数据行 </source>
            <translation>Line </translation>
        </message>
        <message>
            <source>把设计导出为 PNG、PDF 或 SVG</source>
            <translation>Export the design as PNG, PDF or SVG</translation>
        </message>
        <message>
            <source>显示喷印出来的样子</source>
            <translation>Show the design as it prints</translation>
        </message>
        <message>
            <source>预览所用的时刻</source>
            <translation>The moment the preview shows</translation>
        </message>
        <message>
            <source>预览所用的计数器1的值</source>
            <translation>The value of counter 1 in the preview</translation>
        </message>
        <message>
            <source>预览所用的计数器2的值</source>
            <translation>The value of counter 2 in the preview</translation>
        </message>
        <message>
            <source>预览时刻</source>
            <translation>Preview moment</translation>
        </message>
    </context>
    <context>
        <name>qrGs1Check</name>
        <message>
            <source>扫描读出的 AI 与内容不同：%1</source>
            <translation>The scanned symbol carries other AIs: %1</translation>
        </message>
        <message>
            <source>GS1 数字链接：%1</source>
            <translation>GS1 Digital Link: %1</translation>
        </message>
    </context>
    <context>
        <name>recordCheck</name>
        <message>
            <source>%1：起始行 %2、结束行 %3 不是一个行范围（行号从 1 起）</source>
            <translation>%1: first line %2 and last line %3 are no range of lines (lines count from 1)</translation>
        </message>
        <message>
            <source>%1：结束行 %2 超出数据文件的末尾（共 %3 行）</source>
            <translation>%1: last line %2 is past the end of the data file (%3 lines)</translation>
        </message>
        <message>
            <source>%1 第 %2 行</source>
            <translation>%1 line %2</translation>
        </message>
        <message>
            <source>%1：空行</source>
            <translation>%1: empty line</translation>
        </message>
        <message>
            <source>%1：不是 UTF-8 文本</source>
            <translation>%1: not UTF-8 text</translation>
        </message>
        <message>
            <source>%1 %2：被拒绝（%3）：%4</source>
            <translation>%1 %2: refused (%3): %4</translation>
        </message>
        <message>
            <source>%1 %2：没有能容纳它的二维码</source>
            <translation>%1 %2: no QR code holds it</translation>
        </message>
        <message>
            <source>%1 %2：字体 %3 没有字符 %4</source>
            <translation>%1 %2: font %3 has no character %4</translation>
        </message>
        <message>
            <source>%1 %2：项目伸到 x %3、y %4，超出打印条</source>
            <translation>%1 %2: the item reaches x %3, y %4, past the print strip</translation>
        </message>
        <message>
            <source>（代之以 %1）</source>
            <translation> (replaced by %1)</translation>
        </message>
        <message>
            <source>%1：%2</source>
            <translation>%1: %2</translation>
        </message>
        <message>
            <source>数据文件：检查了 %1 行，%2 行有问题</source>
            <translation>data files: %1 lines checked, %2 refused</translation>
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
        <name>scanFindings</name>
        <message>
            <source>扫描器读不出它</source>
            <translation>no scanner reads it</translation>
        </message>
        <message>
            <source>%1 %2 画出来了，但扫描不出（%3）</source>
            <translation>%1 %2 is drawn but does not scan (%3)</translation>
        </message>
        <message>
            <source>%1 %2：输入的校验位 %3 与计算出的 %4 不同，条码中用的是 %4</source>
            <translation>%1 %2: the typed check digit %3 differs from the computed %4, which the barcode holds</translation>
        </message>
        <message>
            <source>%1 %2：Code 128 无法编码 %3；条码中改为“?”</source>
            <translation>%1 %2: Code 128 cannot encode %3; the barcode holds "?" instead</translation>
        </message>
        <message>
            <source>%1 %2：字符 %3 没有被编码</source>
            <translation>%1 %2: the characters %3 are not encoded</translation>
        </message>
        <message>
            <source>%1 %2 扫描结果为 %3，而不是 %4</source>
            <translation>%1 %2 scans as %3, not %4</translation>
        </message>
    </context>
    <context>
        <name>scenePreview</name>
        <message>
            <source>占位符位置与内容不符，无法预览</source>
            <translation>The placeholder positions do not match the content; no preview</translation>
        </message>
        <message>
            <source>GS1 数字链接有误：</source>
            <translation>Faulty GS1 Digital Link:</translation>
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
        <message>
            <source>这一项的写法；选“取消”则不显示</source>
            <translation>How this part is written; “Cancel” leaves it out</translation>
        </message>
        <message>
            <source>年的格式</source>
            <translation>Year format</translation>
        </message>
        <message>
            <source>这一项后面的分隔符</source>
            <translation>Separator after this part</translation>
        </message>
        <message>
            <source>年的后缀</source>
            <translation>Year separator</translation>
        </message>
        <message>
            <source>这一项在格式中的位置（1 到 6）</source>
            <translation>Position of this part in the format (1 to 6)</translation>
        </message>
        <message>
            <source>年的顺序</source>
            <translation>Year position</translation>
        </message>
        <message>
            <source>月的格式</source>
            <translation>Month format</translation>
        </message>
        <message>
            <source>月的后缀</source>
            <translation>Month separator</translation>
        </message>
        <message>
            <source>月的顺序</source>
            <translation>Month position</translation>
        </message>
        <message>
            <source>日的格式</source>
            <translation>Day format</translation>
        </message>
        <message>
            <source>日的后缀</source>
            <translation>Day separator</translation>
        </message>
        <message>
            <source>日的顺序</source>
            <translation>Day position</translation>
        </message>
        <message>
            <source>时的格式</source>
            <translation>Hour format</translation>
        </message>
        <message>
            <source>时的后缀</source>
            <translation>Hour separator</translation>
        </message>
        <message>
            <source>时的顺序</source>
            <translation>Hour position</translation>
        </message>
        <message>
            <source>分的格式</source>
            <translation>Minute format</translation>
        </message>
        <message>
            <source>分的后缀</source>
            <translation>Minute separator</translation>
        </message>
        <message>
            <source>分的顺序</source>
            <translation>Minute position</translation>
        </message>
        <message>
            <source>秒的格式</source>
            <translation>Second format</translation>
        </message>
        <message>
            <source>秒的后缀</source>
            <translation>Second separator</translation>
        </message>
        <message>
            <source>秒的顺序</source>
            <translation>Second position</translation>
        </message>
        <message>
            <source>常用的格式，选中即用</source>
            <translation>Ready-made formats; choosing one uses it</translation>
        </message>
        <message>
            <source>快速设置</source>
            <translation>Quick formats</translation>
        </message>
        <message>
            <source>按上面各行组成格式并预览</source>
            <translation>Compose the format from the rows above and preview it</translation>
        </message>
        <message>
            <source>示例时刻按所选格式显示的样子</source>
            <translation>The sample moment in the chosen format</translation>
        </message>
        <message>
            <source>预览结果</source>
            <translation>Preview result</translation>
        </message>
        <message>
            <source>使用这个格式</source>
            <translation>Use this format</translation>
        </message>
        <message>
            <source>关闭，不改变格式</source>
            <translation>Close without changing the format</translation>
        </message>
    </context>
    <context>
        <name>sprReader</name>
        <message>
            <source>%1：%2 个字符，超过内容编辑器可容纳的 %3 个；设计软件只使用前 %3 个</source>
            <translation>%1: %2 characters, more than the %3 the content editor takes; the designer uses only the first %3</translation>
        </message>
        <message>
            <source>%1：%2 个字符，超过日期时间格式允许的 %3 个；设计软件只使用前 %3 个</source>
            <translation>%1: %2 characters, more than the %3 a date/time format may have; the designer uses only the first %3</translation>
        </message>
        <message>
            <source>项目超过 %1 个；不读取任何内容</source>
            <translation>more than %1 items; nothing is read</translation>
        </message>
        <message>
            <source>设计软件显示一个占位框，打印机什么也不打印</source>
            <translation>the designer shows a placeholder frame, the printer prints nothing</translation>
        </message>
        <message>
            <source>“[FileInfo]”之前有 UTF-8 字节顺序标记；打印机可能无法读取该文件</source>
            <translation>a UTF-8 byte-order mark stands before "[FileInfo]"; the printer may not read the file</translation>
        </message>
        <message>
            <source>这一行不是有效的 UTF-8（是 GBK 等其他编码？）；设计软件以 U+FFFD 显示这些字节，保存时会替换它们</source>
            <translation>the line is not valid UTF-8 (another encoding, such as GBK?); the designer shows U+FFFD in place of those bytes and a save replaces them</translation>
        </message>
        <message>
            <source>这一行含有 NUL 字节，打印机可能把它当作行尾</source>
            <translation>the line holds a NUL byte, which the printer may take as its end</translation>
        </message>
        <message>
            <source>应为“%1 =”，实为 %2；缺少或多出一行会使后面的每一行错位</source>
            <translation>expected "%1 =", found %2; a missing or extra line shifts every later line</translation>
        </message>
        <message>
            <source>%1：%2 不是数字；读作 0</source>
            <translation>%1: %2 is not a number; it reads as 0</translation>
        </message>
        <message>
            <source>%1：%2 不是整数；读作 0</source>
            <translation>%1: %2 is not a whole number; it reads as 0</translation>
        </message>
        <message>
            <source>%1：%2 不是有限的数字；读作 0</source>
            <translation>%1: %2 is not a finite number; it reads as 0</translation>
        </message>
        <message>
            <source>%1：%2 超出设计软件允许的范围 %3 到 %4；读取器取 %5</source>
            <translation>%1: %2 is outside %3 to %4, the range the designer allows; the reader takes %5</translation>
        </message>
        <message>
            <source>%1：%2 超出设计软件允许的范围 %3 到 %4</source>
            <translation>%1: %2 is outside %3 to %4, the range the designer allows</translation>
        </message>
        <message>
            <source>缺少文件头：第一行是 %1，不是“[FileInfo]”；不读取任何内容</source>
            <translation>missing header: the first line is %1, not "[FileInfo]"; nothing is read</translation>
        </message>
        <message>
            <source>TotalItemNum 为 %1，但文件中有 %2 个项目段</source>
            <translation>TotalItemNum is %1 but the file holds %2 item sections</translation>
        </message>
        <message>
            <source>文件在读完 TotalItemNum 所列 %2 个项目中的 %1 个后结束</source>
            <translation>the file ends after %1 of the %2 items TotalItemNum names</translation>
        </message>
        <message>
            <source>应为项目段的标题，实为 %1；这一行占去一个项目，并使后面的每一段错位</source>
            <translation>expected an item section header, found %1; the line uses up one item and shifts every later section</translation>
        </message>
        <message>
            <source>从这里起的行不会被读取：已读完 TotalItemNum 个项目</source>
            <translation>lines from here on are not read: TotalItemNum items were read already</translation>
        </message>
        <message>
            <source>文件在这一段中结束：它的 %2 个键行中缺少最后 %1 个，读作 0 或空</source>
            <translation>the file ends inside this section: the last %1 of its %2 key lines are missing and read as 0 or empty</translation>
        </message>
        <message>
            <source>BarContent 为空：设计软件显示 %1，打印机得不到内容</source>
            <translation>BarContent is empty: the designer shows %1, the printer gets no content</translation>
        </message>
        <message>
            <source>BarContent %1 不被该码制接受（代码 %2：%3）；%4</source>
            <translation>BarContent %1 is refused by the symbology (code %2: %3); %4</translation>
        </message>
        <message>
            <source>QRcodeInsertCntPos %1 超出内容的 %2 个字符；打印机无法在那里插入序号</source>
            <translation>QRcodeInsertCntPos %1 lies outside the content's %2 characters; the printer cannot insert the counter there</translation>
        </message>
        <message>
            <source>QRcodeInsertTimePos %1 超出内容的 %2 个字符；打印机无法在那里插入日期时间</source>
            <translation>QRcodeInsertTimePos %1 lies outside the content's %2 characters; the printer cannot insert the date/time there</translation>
        </message>
        <message>
            <source>QRcodeContent 为空：设计软件显示“empty!”，打印机得不到内容</source>
            <translation>QRcodeContent is empty: the designer shows "empty!", the printer gets no content</translation>
        </message>
        <message>
            <source>QRcodeScale 为 0：二维码没有图像；%1</source>
            <translation>QRcodeScale 0: the QR code has no picture; %1</translation>
        </message>
        <message>
            <source>QRcodeContent %1 在此纠错等级下对任何二维码版本都太长，或 QRcodeVersion 大于 40；不显示符号（%2）</source>
            <translation>QRcodeContent %1 is too long for any QR code version at this level, or QRcodeVersion is above 40; no symbol is shown (%2)</translation>
        </message>
        <message>
            <source>图片 %1 无法作为图片读取（或太大）；以“NO IMG”代替显示</source>
            <translation>picture %1 cannot be read as a picture (or is too large); "NO IMG" is shown in its place</translation>
        </message>
        <message>
            <source>找不到图片 %1（也在文档旁及其“bmp”文件夹中找过）；以“NO IMG”代替显示</source>
            <translation>picture %1 not found (also looked beside the document and in its "bmp" folder); "NO IMG" is shown in its place</translation>
        </message>
        <message>
            <source>图像显示为 %1 x %2 像素（ImageWidth、ImageHeight），因此没有图像；%3</source>
            <translation>the image is shown %1 x %2 pixels (ImageWidth, ImageHeight), so it has no picture; %3</translation>
        </message>
        <message>
            <source>文件大于读取器最多接受的 %1 MiB（%2 字节）</source>
            <translation>the file is larger than %1 MiB (%2 bytes), the most the reader takes</translation>
        </message>
        <message>
            <source>%1：字体描述中的像素大小 %2 超过 %3；读取器取 %3</source>
            <translation>%1: the pixel size %2 of the description is beyond %3; the reader takes %3</translation>
        </message>
        <message>
            <source>%1：字体描述中的磅值 %2 超过 %3；读取器取 %3</source>
            <translation>%1: the point size %2 of the description is beyond %3; the reader takes %3</translation>
        </message>
        <message>
            <source>文件第一行不是 [FileInfo]，不是设计文件</source>
            <translation>The first line of the file is not [FileInfo]: it is not a design file</translation>
        </message>
        <message>
            <source>文件中的项目超过 %1 个，无法完整打开</source>
            <translation>The file holds more than %1 items and cannot be opened completely</translation>
        </message>
        <message>
            <source>图片将超过读取器对单张图片 %1 MiB 的限额：设计软件显示一个占位框而不绘制它</source>
            <translation>the picture would be beyond the reader's budget of %1 MiB for one picture: the designer shows a placeholder frame instead of drawing it</translation>
        </message>
        <message>
            <source>项目从 x %1 伸到 %2，越过纸带在 %3 的末端；打印机只打印纸带上的部分</source>
            <translation>the item reaches from x %1 to %2, past the strip's end at %3; the printer prints only the part on the strip</translation>
        </message>
        <message>
            <source>%1 %2：项目的最下一行在打印条的最后一行之下；它的 Y 最多为 %3</source>
            <translation>%1 %2: the item's last row lies below the strip's last row; its Y may be at most %3</translation>
        </message>
        <message>
            <source>BarHeight %1 与 BarLineHeight %2 画出的高度 %3 不同；条码按 BarHeight 画出，条高 %4</source>
            <translation>BarHeight %1 differs from the height %3 that BarLineHeight %2 draws; the barcode is drawn at BarHeight, with bars %4 high</translation>
        </message>
        <message>
            <source>TextContent 为空：设计软件显示“空文本”框，打印机不打印任何内容</source>
            <translation>TextContent is empty: the designer shows an "Empty text" frame, the printer prints nothing</translation>
        </message>
        <message>
            <source>有一张图片超出读取器对单张图片 %1 MiB 的限额；不读取任何内容</source>
            <translation>a picture is beyond the reader's budget of %1 MiB for one picture; nothing is read</translation>
        </message>
    </context>
    <context>
        <name>sprWriter</name>
        <message>
            <source>设计有 %1 个项目，超过读取器接受的 %2 个；未写入文件</source>
            <translation>the design has %1 items, more than the %2 the reader takes; nothing was written</translation>
        </message>
        <message>
            <source>文件将有 %1 字节，超过读取器接受的 %2 MiB；未写入文件</source>
            <translation>the file would have %1 bytes, more than the %2 MiB the reader takes; nothing was written</translation>
        </message>
    </context>
    <context>
        <name>sprtool</name>
        <message>
            <source>成功</source>
            <translation>success</translation>
        </message>
        <message>
            <source>内容被拒绝（barcode、qr）或发现问题（check）</source>
            <translation>content refused (barcode, qr) or findings (check)</translation>
        </message>
        <message>
            <source>用法错误、输入无法读取或输出失败；失败时不留下输出文件</source>
            <translation>usage error, unreadable input or failed output; nothing is left behind</translation>
        </message>
        <message>
            <source>显示本命令的用法</source>
            <translation>show this command's usage</translation>
        </message>
        <message>
            <source>退出码：</source>
            <translation>Exit codes:</translation>
        </message>
        <message>
            <source>用法：</source>
            <translation>Usage:</translation>
        </message>
        <message>
            <source>不需要显示器，绘制、查看、检查并重新保存标签设计。</source>
            <translation>Draws, inspects, checks and resaves label designs without a display.</translation>
        </message>
        <message>
            <source>显示本用法</source>
            <translation>show this usage</translation>
        </message>
        <message>
            <source>显示版本</source>
            <translation>show the version</translation>
        </message>
        <message>
            <source>命令：</source>
            <translation>Commands:</translation>
        </message>
        <message>
            <source>用“sprtool COMMAND --help”查看命令的用法。</source>
            <translation>Run "sprtool COMMAND --help" for a command's usage.</translation>
        </message>
        <message>
            <source>选项：</source>
            <translation>Options:</translation>
        </message>
        <message>
            <source>文件名“-”表示标准输入或标准输出；“--”之后的参数都不是选项。</source>
            <translation>The file name "-" means standard input or standard output; no argument after "--" is an option.</translation>
        </message>
        <message>
            <source>未知命令“%1”</source>
            <translation>unknown command "%1"</translation>
        </message>
        <message>
            <source>未知选项“%1”</source>
            <translation>unknown option "%1"</translation>
        </message>
        <message>
            <source>选项 %1 只能给一次</source>
            <translation>option %1 may be given only once</translation>
        </message>
        <message>
            <source>选项 %1 的值“%2”无效：%3</source>
            <translation>invalid value "%2" for %1: %3</translation>
        </message>
        <message>
            <source>缺少参数 %1</source>
            <translation>missing argument %1</translation>
        </message>
        <message>
            <source>多余的参数“%1”</source>
            <translation>unexpected argument "%1"</translation>
        </message>
        <message>
            <source>没有给出输出（-o 文件，或 - 表示标准输出）</source>
            <translation>no output given (-o FILE, or - for standard output)</translation>
        </message>
        <message>
            <source>内容只能给一次：参数或 --content-file 二选一</source>
            <translation>content given twice: use either the argument or --content-file</translation>
        </message>
        <message>
            <source>输出只能给一次：参数或 -o 二选一</source>
            <translation>output given twice: use either the argument or -o</translation>
        </message>
        <message>
            <source>标准输入（-）只能读取一次</source>
            <translation>standard input (-) can be read only once</translation>
        </message>
        <message>
            <source>用“sprtool %1 --help”查看用法</source>
            <translation>run "sprtool %1 --help" for its usage</translation>
        </message>
        <message>
            <source>无法读取 %1：%2</source>
            <translation>cannot read %1: %2</translation>
        </message>
        <message>
            <source>无法写入 %1：%2</source>
            <translation>cannot write %1: %2</translation>
        </message>
        <message>
            <source>标准输入</source>
            <translation>standard input</translation>
        </message>
        <message>
            <source>标准输出</source>
            <translation>standard output</translation>
        </message>
        <message>
            <source>超过 %1 字节</source>
            <translation>larger than %1 bytes</translation>
        </message>
        <message>
            <source>不是 UTF-8 文本</source>
            <translation>not UTF-8 text</translation>
        </message>
        <message>
            <source>字体“%1”未安装，改用“%2”</source>
            <translation>font "%1" is not installed, "%2" is used instead</translation>
        </message>
        <message>
            <source>错误代码 %1：%2</source>
            <translation>error code %1: %2</translation>
        </message>
        <message>
            <source>没有生成二维码：内容太长，或版本、比例超出范围</source>
            <translation>no QR code drawn: the content is too long, or the version or scale is out of range</translation>
        </message>
        <message>
            <source>应为正整数</source>
            <translation>expected a positive whole number</translation>
        </message>
        <message>
            <source>应为整数</source>
            <translation>expected a whole number</translation>
        </message>
        <message>
            <source>应为大于 0 的数</source>
            <translation>expected a number greater than 0</translation>
        </message>
        <message>
            <source>应为 L、M、Q、H 或 0 到 3</source>
            <translation>expected L, M, Q, H or 0 to 3</translation>
        </message>
        <message>
            <source>、</source>
            <comment>between symbology names</comment>
            <translation>, </translation>
        </message>
        <message>
            <source>%1 或 0 到 %2</source>
            <translation>%1 or 0 to %2</translation>
        </message>
        <message>
            <source>应为 %1</source>
            <translation>expected %1</translation>
        </message>
        <message>
            <source>写入的文件；“-”表示标准输出</source>
            <translation>file to write; "-" for standard output</translation>
        </message>
        <message>
            <source>按条码项目的样子绘制一个条码，写成 PNG；SYMBOLOGY 为 %1</source>
            <translation>draws one barcode as a barcode item shows it and writes it as PNG; SYMBOLOGY is %1</translation>
        </message>
        <message>
            <source>模块宽度（像素）</source>
            <translation>module width (pixels)</translation>
        </message>
        <message>
            <source>条高（像素）</source>
            <translation>bar height (pixels)</translation>
        </message>
        <message>
            <source>条下不显示文字</source>
            <translation>no text under the bars</translation>
        </message>
        <message>
            <source>按二维码项目的样子绘制一个二维码，写成 PNG</source>
            <translation>draws one QR code as a QR code item shows it and writes it as PNG</translation>
        </message>
        <message>
            <source>纠错等级</source>
            <translation>error correction level</translation>
        </message>
        <message>
            <source>二维码版本（0 为自动）</source>
            <translation>QR code version (0 chooses one)</translation>
        </message>
        <message>
            <source>每个模块的像素数</source>
            <translation>pixels per module</translation>
        </message>
        <message>
            <source>反色</source>
            <translation>inverted colours</translation>
        </message>
        <message>
            <source>以 JSON Lines 输出设计的内容，每个文件一个对象</source>
            <translation>prints what a design holds as JSON Lines, one object per file</translation>
        </message>
        <message>
            <source>逐行报告会让打印机或设计软件误读设计的地方</source>
            <translation>reports, line by line, what would make the printer or the designer misread a design</translation>
        </message>
        <message>
            <source>读入设计，用设计软件的写入方式重新保存（OUT 或 -o）</source>
            <translation>reads a design and saves it again as the designer writes it (OUT or -o)</translation>
        </message>
        <message>
            <source>用“sprtool --help”查看用法</source>
            <translation>run "sprtool --help" for the usage</translation>
        </message>
        <message>
            <source>字体“%1”未安装，也没有可替代的字体</source>
            <translation>font "%1" is not installed, and no font can stand in for it</translation>
        </message>
        <message>
            <source>从文件读取内容（“-”表示标准输入），最多 64 MiB；去掉末尾的一个换行</source>
            <translation>read the content from a file ("-" for standard input), up to 64 MiB; one trailing line end is dropped</translation>
        </message>
        <message>
            <source>选项 %1 缺少值</source>
            <translation>option %1 needs a value</translation>
        </message>
        <message>
            <source>选项 %1 不带值</source>
            <translation>option %1 takes no value</translation>
        </message>
        <message>
            <source>没有生成二维码：内容为空</source>
            <translation>no QR code drawn: the content is empty</translation>
        </message>
        <message>
            <source>应为 ISO 8601 日期时间，例如 2024-02-29T23:59:00</source>
            <translation>expected an ISO 8601 date and time, such as 2024-02-29T23:59:00</translation>
        </message>
        <message>
            <source>应为 0 到 99999999 的整数</source>
            <translation>expected a whole number from 0 to 99999999</translation>
        </message>
        <message>
            <source>按画布的样子把设计绘制成 PNG，或按扩展名写成 PDF、SVG</source>
            <translation>draws a design as the canvas shows it and writes it as PNG, or as PDF or SVG by the output's extension</translation>
        </message>
        <message>
            <source>PNG 的缩放比例（默认 1）</source>
            <translation>scale of a PNG picture (1 unless given)</translation>
        </message>
        <message>
            <source>每英寸的打印点数，决定 PDF、SVG 的页面大小（默认 72）</source>
            <translation>printer dots per inch, which sets the page size of PDF and SVG (72 unless given)</translation>
        </message>
        <message>
            <source>按打印机在这一时刻打印的样子绘制（时间、序号和二维码占位符）</source>
            <translation>draws what the printer prints at this moment (times, counters and QR placeholders)</translation>
        </message>
        <message>
            <source>预览时序号 1 的值（默认 0）</source>
            <translation>value of counter 1 in the preview (0 unless given)</translation>
        </message>
        <message>
            <source>预览时序号 2 的值（默认 0）</source>
            <translation>value of counter 2 in the preview (0 unless given)</translation>
        </message>
        <message>
            <source>注（本机）：%1</source>
            <translation>note (this machine): %1</translation>
        </message>
        <message>
            <source>QRcodeContent %1（打印为 %2）</source>
            <translation>QRcodeContent %1 (printed as %2)</translation>
        </message>
        <message>
            <source>%1：GS1 数字链接 %2</source>
            <translation>%1: GS1 Digital Link %2</translation>
        </message>
        <message>
            <source>按打印机在这一时刻（默认现在）填入二维码占位符后检查 GS1 数字链接</source>
            <translation>check GS1 Digital Links with the QR placeholders filled in as the printer prints at this moment (default: now)</translation>
        </message>
        <message>
            <source>--batch 不能与内容参数或 --content-file 同时使用</source>
            <translation>--batch cannot be used with a CONTENT argument or --content-file</translation>
        </message>
        <message>
            <source>使用 --batch 时，-o 必须是含有 {n} 或 {content} 的文件名</source>
            <translation>with --batch, -o must be a file name containing {n} or {content}</translation>
        </message>
        <message>
            <source>第 %1 行：%2</source>
            <translation>line %1: %2</translation>
        </message>
        <message>
            <source>文件名 %1 已由第 %2 行写入，未覆盖</source>
            <translation>file name %1 was already written for line %2; not overwritten</translation>
        </message>
        <message>
            <source>每行一个内容（“-”表示标准输入），逐行写入 -o 给出的文件名：{n} 为补零的行号，{content} 为改成可作文件名的内容</source>
            <translation>one content per line (“-” for standard input), each written to the -o file name: {n} is the zero-padded line number, {content} the content made safe for file names</translation>
        </message>
        <message>
            <source>代替每个数据文件项目所指的数据文件（“-”表示标准输入）</source>
            <translation>use this file instead of the data file each data-file item names ("-" for standard input)</translation>
        </message>
        <message>
            <source>pack 需要设计的文件，不能读标准输入</source>
            <translation>pack needs the design's file, not standard input</translation>
        </message>
        <message>
            <source>%1 中已有 %2；用 --force 替换</source>
            <translation>%1 already holds %2; --force replaces them</translation>
        </message>
        <message>
            <source>把设计、它用到的图片（bmp/）和数据文件按打印机U盘的布局写入 -o 给出的文件夹</source>
            <translation>write the design, the pictures it uses (bmp/) and its data files to the folder -o names, laid out as the printer's USB disk wants them</translation>
        </message>
        <message>
            <source>写入的文件夹（打印机U盘）</source>
            <translation>the folder to write (the printer's USB disk)</translation>
        </message>
        <message>
            <source>替换文件夹中已有的文件</source>
            <translation>replace files the folder already holds</translation>
        </message>
        <message>
            <source>内容来自数据文件的项目显示数据文件的第 N 行（限于各自的起始行和结束行）</source>
            <translation>items whose content comes from a data file show line N of it (held to their own first and last line)</translation>
        </message>
        <message>
            <source>%1 单独可以扫描，但在打印的位置扫描不出：%2</source>
            <translation>%1 scans on its own but not where it is printed: %2</translation>
        </message>
        <message>
            <source>应为 1 到 200 之间的一个数，或用逗号分开的两个数（横向,纵向）</source>
            <translation>expected a number from 1 to 200, or two separated by a comma (across,along)</translation>
        </message>
        <message>
            <source>打印机每毫米的点数，横向（纸带的 300 点）和纵向；默认用设计软件中的设置</source>
            <translation>the printer's dots per millimetre, across (the strip's 300 dots) and along; default: the designer's setting</translation>
        </message>
        <message>
            <source>%1 经不起墨水扩散：每根条每边加粗 1 点就扫描不出</source>
            <translation>%1 withstands no ink spread: with every bar 1 dot wider on each side it does not scan</translation>
        </message>
        <message>
            <source>应为两个行号 A-B，1 ≤ A ≤ B（例如 1-50）</source>
            <translation>expected two line numbers A-B with 1 ≤ A ≤ B (such as 1-50)</translation>
        </message>
        <message>
            <source>一次最多 %1 页</source>
            <translation>at most %1 pages at once</translation>
        </message>
        <message>
            <source>--record 与 --records 只能二选一</source>
            <translation>give --record or --records, not both</translation>
        </message>
        <message>
            <source>--records 每行写一页，只有 PDF 有多页：请用 -o 文件名.pdf</source>
            <translation>--records writes one page per line, and only PDF has pages: give -o NAME.pdf</translation>
        </message>
        <message>
            <source>第 A 到 B 行每行一页，如 --record 所画（只用于 PDF）</source>
            <translation>one page for each of lines A to B, drawn as --record draws it (PDF only)</translation>
        </message>
        <message>
            <source>数据文件“%1”第 %2 行：%3；该项目不绘制</source>
            <translation>data file "%1" line %2: %3; the item is not drawn</translation>
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
        <name>symbolVerdict</name>
        <message>
            <source>✓ %1</source>
            <translation>✓ %1</translation>
        </message>
        <message>
            <source>✗ 无法识别：%1</source>
            <translation>✗ Unreadable: %1</translation>
        </message>
        <message>
            <source>没有图片</source>
            <translation>no picture</translation>
        </message>
        <message>
            <source>符号损坏</source>
            <translation>the symbol is damaged</translation>
        </message>
        <message>
            <source>校验不符</source>
            <translation>the check does not match</translation>
        </message>
        <message>
            <source>未找到符号</source>
            <translation>no symbol found</translation>
        </message>
        <message>
            <source>“%1”</source>
            <translation>“%1”</translation>
        </message>
        <message>
            <source>输入的校验位 %1 与计算出的校验位 %2 不同，条码中是 %2</source>
            <translation>The typed check digit %1 differs from the computed check digit %2; the barcode holds %2</translation>
        </message>
        <message>
            <source>多余的字符 %1 未编码</source>
            <translation>The extra characters %1 are not encoded</translation>
        </message>
        <message>
            <source>UPC-E 的数制位 %1 按 0 的规则编码</source>
            <translation>The UPC-E number system digit %1 is encoded by the rules of 0</translation>
        </message>
        <message>
            <source>Code 128 无法编码的字符 %1 被替换为 “?”</source>
            <translation>Characters Code 128 cannot encode, %1, were replaced by “?”</translation>
        </message>
        <message>
            <source>超出长度的字符 %1 未编码</source>
            <translation>The characters beyond the length limit, %1, are not encoded</translation>
        </message>
        <message>
            <source>扫描结果与预期的 %1 不同</source>
            <translation>The scan differs from the expected %1</translation>
        </message>
        <message>
            <source>内容无法编码：%1</source>
            <translation>The content cannot be encoded: %1</translation>
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
        <message>
            <source>左边缘离喷印条起点的距离（点，0 到 79999）</source>
            <translation>Distance of the left edge from the start of the strip (dots, 0 to 79999)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>X position</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>Distance of the top edge from the top of the strip (dots); the item stays within the 300-dot strip</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>Y position</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>Clockwise rotation (degrees, 0 to 180)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>Rotation angle</translation>
        </message>
        <message>
            <source>字体；列出的字体须安装在这台电脑上</source>
            <translation>Typeface; the fonts listed must be installed on this computer</translation>
        </message>
        <message>
            <source>字的高度（点，6 到 400）</source>
            <translation>Character height (dots, 6 to 400)</translation>
        </message>
        <message>
            <source>字符之间增加的距离（点，-100 到 200；负值使字符靠拢）</source>
            <translation>Extra space between characters (dots, -100 to 200; negative values move them closer)</translation>
        </message>
        <message>
            <source>字间距</source>
            <translation>Letter spacing</translation>
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
            <source>有效期(月)</source>
            <translation>Validity (months)</translation>
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
            <translation>Distance of the left edge from the start of the strip (dots, 0 to 79999)</translation>
        </message>
        <message>
            <source>X 位置</source>
            <translation>X position</translation>
        </message>
        <message>
            <source>上边缘离喷印条顶部的距离（点）；对象不会超出 300 点高的喷印条</source>
            <translation>Distance of the top edge from the top of the strip (dots); the item stays within the 300-dot strip</translation>
        </message>
        <message>
            <source>Y 位置</source>
            <translation>Y position</translation>
        </message>
        <message>
            <source>顺时针旋转的角度（度，0 到 180）</source>
            <translation>Clockwise rotation (degrees, 0 to 180)</translation>
        </message>
        <message>
            <source>旋转角度</source>
            <translation>Rotation angle</translation>
        </message>
        <message>
            <source>字体；列出的字体须安装在这台电脑上</source>
            <translation>Typeface; the fonts listed must be installed on this computer</translation>
        </message>
        <message>
            <source>字的高度（点，6 到 400）</source>
            <translation>Character height (dots, 6 to 400)</translation>
        </message>
        <message>
            <source>字符之间增加的距离（点，-100 到 200；负值使字符靠拢）</source>
            <translation>Extra space between characters (dots, -100 to 200; negative values move them closer)</translation>
        </message>
        <message>
            <source>字间距</source>
            <translation>Letter spacing</translation>
        </message>
        <message>
            <source>有效期（月，0 到 120）：不为 0 时显示的日期加上这么多个月再减一天</source>
            <translation>Validity (months, 0 to 120): when not 0, the date shown is this many months later, less one day</translation>
        </message>
        <message>
            <source>有效期（月）</source>
            <translation>Validity in months</translation>
        </message>
        <message>
            <source>选择日期和时间的格式</source>
            <translation>Choose the date and time format</translation>
        </message>
        <message>
            <source>更改格式</source>
            <translation>Change format</translation>
        </message>
    </context>
    <context>
        <name>placedScan</name>
        <message>
            <source>静区：%1项目在 %2 个模块处，需要 %3</source>
            <translation>quiet zone: %1 item at %2 modules, needs %3</translation>
        </message>
        <message>
            <source>被纸带边缘截断</source>
            <translation>cut off by the strip's edge</translation>
        </message>
        <message>
            <source>被%1项目遮盖</source>
            <translation>covered by %1 item</translation>
        </message>
        <message>
            <source>文本</source>
            <translation>text</translation>
        </message>
        <message>
            <source>计数器</source>
            <translation>counter</translation>
        </message>
        <message>
            <source>计数器2</source>
            <translation>counter 2</translation>
        </message>
        <message>
            <source>条码</source>
            <translation>barcode</translation>
        </message>
        <message>
            <source>图片</source>
            <translation>image</translation>
        </message>
        <message>
            <source>时间</source>
            <translation>time</translation>
        </message>
        <message>
            <source>二维码</source>
            <translation>QR code</translation>
        </message>
        <message>
            <source>其他</source>
            <translation>other</translation>
        </message>
        <message>
            <source>模块 %1 mm，符号 %2 × %3 mm</source>
            <translation>module %1 mm, symbol %2 × %3 mm</translation>
        </message>
        <message>
            <source>模块小于 %1 的最小值 %2 mm（%3）</source>
            <translation>module below the %1 minimum of %2 mm (%3)</translation>
        </message>
        <message>
            <source>；经得起 %1 点的墨水扩散、%2 点的变细</source>
            <translation>; withstands %1 dots of spread, %2 of thinning</translation>
        </message>
    </context>
    <context>
        <name>scanVerdictLabel</name>
        <message>
            <source>打印尺寸</source>
            <translation>Printed size</translation>
        </message>
        <message>
            <source>按打印机分辨率计算的模块和符号尺寸</source>
            <translation>Module and symbol size at the printer's resolution</translation>
        </message>
    </context>
    <context>
        <name>printerDialog</name>
        <message>
            <source>取消</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>打印机分辨率</source>
            <translation>Printer resolution</translation>
        </message>
        <message>
            <source>无法保存设置文件。</source>
            <translation>The settings file could not be saved.</translation>
        </message>
        <message>
            <source>横向（300 点的喷头方向）每毫米的点数</source>
            <translation>Dots per millimetre across the strip (along the 300-dot head)</translation>
        </message>
        <message>
            <source>横向（点/毫米）</source>
            <translation>Across (dots/mm)</translation>
        </message>
        <message>
            <source>沿打印方向每毫米的点数</source>
            <translation>Dots per millimetre along the printing direction</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>纵向（点/毫米）</source>
            <translation>Along (dots/mm)</translation>
        </message>
        <message>
            <source>保存分辨率；标尺随即按它标出毫米</source>
            <translation>Save the resolution; the rulers mark millimetres with it at once</translation>
        </message>
        <message>
            <source>关闭，不改变分辨率</source>
            <translation>Close without changing the resolution</translation>
        </message>
    </context>
    <context>
        <name>recentFiles</name>
        <message>
            <source>文件 %1 已不存在，已从列表中移除。</source>
            <translation>The file %1 no longer exists; it was removed from the list.</translation>
        </message>
        <message>
            <source>最近的文件</source>
            <translation>Recent files</translation>
        </message>
        <message>
            <source>清除列表</source>
            <translation>Clear list</translation>
        </message>
        <message>
            <source>清除最近打开的文件列表</source>
            <translation>Clear the list of recently opened files</translation>
        </message>
    </context>
    <context>
        <name>recoveryKeeper</name>
        <message>
            <source>丢弃</source>
            <translation>Discard</translation>
        </message>
        <message>
            <source>以后再说</source>
            <translation>Later</translation>
        </message>
        <message>
            <source>恢复设计</source>
            <translation>Recover design</translation>
        </message>
        <message>
            <source>打开</source>
            <translation>Open</translation>
        </message>
        <message>
            <source>未命名</source>
            <translation>Untitled</translation>
        </message>
        <message>
            <source>设计 %1 上次没有正常关闭。要打开 %2 保存的恢复副本吗？</source>
            <translation>The design %1 was not closed properly last time. Open the recovery copy saved at %2?</translation>
        </message>
    </context>
    <context>
        <name>languageMenu</name>
        <message>
            <source>无法保存语言设置 %1：%2</source>
            <translation>Could not save the language setting %1: %2</translation>
        </message>
        <message>
            <source>界面的语言</source>
            <translation>The language of the interface</translation>
        </message>
        <message>
            <source>语言</source>
            <translation>Language</translation>
        </message>
    </context>
    <context>
        <name>layoutAids</name>
        <message>
            <source>%1 点</source>
            <translation>%1 dots</translation>
        </message>
        <message>
            <source>三个及以上对象之间的间距相等</source>
            <translation>Equal gaps between three or more items</translation>
        </message>
        <message>
            <source>分布</source>
            <translation>Distribute</translation>
        </message>
        <message>
            <source>右对齐</source>
            <translation>Align right</translation>
        </message>
        <message>
            <source>在喷印高度居中</source>
            <translation>Centre in the print height</translation>
        </message>
        <message>
            <source>垂直居中对齐</source>
            <translation>Align vertical centres</translation>
        </message>
        <message>
            <source>对齐</source>
            <translation>Align</translation>
        </message>
        <message>
            <source>左对齐</source>
            <translation>Align left</translation>
        </message>
        <message>
            <source>底端对齐</source>
            <translation>Align bottom</translation>
        </message>
        <message>
            <source>所选对象在 300 点的高度内居中</source>
            <translation>Centre the selected items within the 300-dot height</translation>
        </message>
        <message>
            <source>所选对象在最上面，保存时排在最前</source>
            <translation>The selected items go on top and come first in the saved file</translation>
        </message>
        <message>
            <source>所选对象在最下面，保存时排在最后</source>
            <translation>The selected items go to the bottom and come last in the saved file</translation>
        </message>
        <message>
            <source>所选对象的上边对齐</source>
            <translation>Align the top edges of the selected items</translation>
        </message>
        <message>
            <source>所选对象的下边对齐</source>
            <translation>Align the bottom edges of the selected items</translation>
        </message>
        <message>
            <source>所选对象的右边对齐</source>
            <translation>Align the right edges of the selected items</translation>
        </message>
        <message>
            <source>所选对象的垂直中心对齐</source>
            <translation>Align the vertical centres of the selected items</translation>
        </message>
        <message>
            <source>所选对象的左边对齐</source>
            <translation>Align the left edges of the selected items</translation>
        </message>
        <message>
            <source>所选对象的水平中心对齐</source>
            <translation>Align the horizontal centres of the selected items</translation>
        </message>
        <message>
            <source>排列</source>
            <translation>Arrange</translation>
        </message>
        <message>
            <source>无网格</source>
            <translation>No grid</translation>
        </message>
        <message>
            <source>水平居中对齐</source>
            <translation>Align horizontal centres</translation>
        </message>
        <message>
            <source>水平等距分布</source>
            <translation>Distribute horizontally</translation>
        </message>
        <message>
            <source>网格</source>
            <translation>Grid</translation>
        </message>
        <message>
            <source>置于底层</source>
            <translation>Send to back</translation>
        </message>
        <message>
            <source>置于顶层</source>
            <translation>Bring to front</translation>
        </message>
        <message>
            <source>顶端对齐</source>
            <translation>Align top</translation>
        </message>
    </context>
    <context>
        <name>designView</name>
        <message>
            <source>X %1 Y %2 点（%3 × %4 毫米）</source>
            <translation>X %1 Y %2 dots (%3 × %4 mm)</translation>
        </message>
        <message>
            <source>所选 %1 × %2 点（%3 × %4 毫米）</source>
            <translation>Selection %1 × %2 dots (%3 × %4 mm)</translation>
        </message>
        <message>
            <source>状态栏</source>
            <translation>Status line</translation>
        </message>
    </context>
    <context>
        <name>helpPage</name>
        <message>
            <source>Ctrl+N 新建，Ctrl+O 打开，Ctrl+S 保存，Ctrl+Z 撤销，Ctrl+Y 重做，Ctrl+X/C/V 剪切、复制、粘贴，Ctrl+Shift+D 复制一份，Ctrl+A 全选，Delete 删除，方向键移动 1 点（Shift 加方向键 10 点），Ctrl+加号/减号 缩放，Ctrl+0 原始比例。</source>
            <translation>Ctrl+N new, Ctrl+O open, Ctrl+S save, Ctrl+Z undo, Ctrl+Y redo, Ctrl+X/C/V cut, copy, paste, Ctrl+Shift+D duplicate, Ctrl+A select all, Delete delete, arrow keys move 1 dot (Shift with an arrow key 10 dots), Ctrl+plus/minus zoom, Ctrl+0 original scale.</translation>
        </message>
        <message>
            <source>“打印预览”按所选的时刻和计数器值显示喷印的样子，不改变设计；“导出…”把设计存为 PNG、PDF 或 SVG。</source>
            <translation>"Print preview" shows the print at the chosen moment and counter values without changing the design; "Export…" saves the design as PNG, PDF or SVG.</translation>
        </message>
        <message>
            <source>“排列”对齐、居中、等距分布所选对象，并可置于顶层或底层；保存时顶层的对象排在最前。网格默认关闭，打开后拖动的对象落在网格上。每一步都可以撤销。</source>
            <translation>"Arrange" aligns, centres and distributes the selected items and brings them to the front or sends them to the back; the top item comes first in the saved file. The grid is off by default; when on, dragged items land on it. Every step can be undone.</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>喷印条</source>
            <translation>The strip</translation>
        </message>
        <message>
            <source>喷头一次喷出 300 点的高度；画布上的虚线框是喷印条，从 0 到 300 点高，长度到设计的末端。标尺以点和毫米标出位置，毫米按“打印机分辨率”换算。对象不能移出喷印条。</source>
            <translation>The print head prints a height of 300 dots at once; the dashed frame on the canvas is the strip, from 0 to 300 dots high and as long as the design. The rulers mark positions in dots and millimetres, converted with "Printer resolution". Items cannot leave the strip.</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>快捷键</source>
            <translation>Shortcuts</translation>
        </message>
        <message>
            <source>打印预览</source>
            <translation>Print preview</translation>
        </message>
        <message>
            <source>排列</source>
            <translation>Arrange</translation>
        </message>
        <message>
            <source>数据文件与恢复</source>
            <translation>Files and recovery</translation>
        </message>
        <message>
            <source>设计保存为 .spr 文件；“文件”菜单列出最近的文件。设计有未保存的修改时，程序每 30 秒内保存一份恢复副本；程序意外结束后，下次启动时可以打开它。</source>
            <translation>Designs are saved as .spr files; the "File" menu lists recent files. While a design has unsaved changes, a recovery copy is saved within every 30 seconds; after the program ends unexpectedly, the next start can open it.</translation>
        </message>
        <message>
            <source>程序的简短说明；Esc 关闭</source>
            <translation>A short guide to the program; Esc closes it</translation>
        </message>
        <message>
            <source>关闭帮助</source>
            <translation>Close the help</translation>
        </message>
        <message>
            <source>键盘操作</source>
            <translation>Keyboard</translation>
        </message>
        <message>
            <source>画布有焦点时，Tab 和 Shift+Tab 沿喷印条逐个选择对象，并显示它的设置；最后一个对象之后，Tab 移到下一个控件。每个控件都有提示，鼠标停在上面即可看到。</source>
            <translation>While the canvas has the focus, Tab and Shift+Tab select the items one by one along the strip and show their settings; after the last item, Tab moves on to the next control. Every control has a tooltip: rest the pointer on it to see it.</translation>
        </message>
    </context>
</TS>
