<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AcquisitionTexts</name>
    <message>
        <source>请设置本地图像存放目录！&#x3000;&#x3000;</source>
        <translation>Please set the local folder for the images!</translation>
    </message>
    <message>
        <source>请设置文档名称！&#x3000;&#x3000;</source>
        <translation>Please set the document name!</translation>
    </message>
    <message>
        <source>扫描设置...</source>
        <translation>Scan settings...</translation>
    </message>
    <message>
        <source>扫描文档...</source>
        <translation>Scanning document...</translation>
    </message>
    <message>
        <source>扫描文档... 第 %1 页</source>
        <translation>Scanning document... page %1</translation>
    </message>
    <message>
        <source>插入文件... </source>
        <translation>Inserting files... </translation>
    </message>
    <message>
        <source>插入文件... 第 %1 页</source>
        <translation>Inserting files... page %1</translation>
    </message>
    <message>
        <source>扫描被取消！    </source>
        <translation>Scanning was cancelled!</translation>
    </message>
    <message>
        <source>扫描文档</source>
        <translation>Scanning Document</translation>
    </message>
    <message>
        <source>按 Esc 键或点击“停止扫描”，当前页面存储后停止扫描，已扫描的页面将保留。</source>
        <translation>Press Esc or click &quot;Stop Scanning&quot; to stop once the current page is stored; the pages scanned so far are kept.</translation>
    </message>
    <message>
        <source>停止扫描</source>
        <translation>Stop Scanning</translation>
    </message>
    <message>
        <source>扫描中断：</source>
        <translation>Scanning interrupted: </translation>
    </message>
    <message>
        <source>扫描中断（%1）：</source>
        <translation>Scanning interrupted (%1): </translation>
    </message>
    <message>
        <source>（代码 %1）&#x3000;&#x3000;</source>
        <translation> (code %1)</translation>
    </message>
    <message>
        <source>卡纸或扫描仪盖板打开</source>
        <translation>paper jam or scanner cover open</translation>
    </message>
    <message>
        <source>扫描设备出错（输入输出错误，或设备已断开）</source>
        <translation>scanner error (input/output error, or the device was disconnected)</translation>
    </message>
    <message>
        <source>进纸器中没有纸张</source>
        <translation>no paper in the feeder</translation>
    </message>
    <message>
        <source>扫描设备正被其他程序使用</source>
        <translation>the scanner is in use by another program</translation>
    </message>
    <message>
        <source>无权使用扫描设备</source>
        <translation>no permission to use the scanner</translation>
    </message>
    <message>
        <source>内存不足，页面无法接收</source>
        <translation>out of memory, the page cannot be received</translation>
    </message>
    <message>
        <source>没有可用的扫描设备</source>
        <translation>no scanner available</translation>
    </message>
    <message>
        <source>扫描设备报告错误</source>
        <translation>the scanner reported an error</translation>
    </message>
    <message>
        <source>已存储本次扫描的 %1 页。&#x3000;&#x3000;</source>
        <translation> %1 pages of this scan were stored.</translation>
    </message>
    <message>
        <source>存储扫描页面失败，扫描已停止：%1。已存储本次扫描的 %2 页。&#x3000;&#x3000;</source>
        <translation>A scanned page could not be stored and scanning stopped: %1. %2 pages of this scan were stored.</translation>
    </message>
    <message>
        <source>文件 %1 已存在，不能改名覆盖</source>
        <translation>file %1 already exists and cannot be renamed over</translation>
    </message>
    <message>
        <source>文件 %1 不能改名（%2）</source>
        <translation>file %1 cannot be renamed (%2)</translation>
    </message>
    <message>
        <source>文件 %1 未能改回原名（%2），请检查文档目录</source>
        <translation>file %1 could not get its original name back (%2); please check the document folder</translation>
    </message>
    <message>
        <source>文件 %1 长时间未能写完，请检查文档目录</source>
        <translation>file %1 was not finished writing in time; please check the document folder</translation>
    </message>
    <message>
        <source>文档中没有可用的新文件名</source>
        <translation>the document has no free file name left</translation>
    </message>
    <message>
        <source>导入文件... </source>
        <translation>Importing files... </translation>
    </message>
    <message>
        <source>文档最多 %1 页</source>
        <translation>a document holds at most %1 pages</translation>
    </message>
    <message>
        <source>无法读取文件 %1</source>
        <translation>cannot read file %1</translation>
    </message>
    <message>
        <source>导入失败，已停止：%1。&#x3000;&#x3000;</source>
        <translation>Import failed and stopped: %1.</translation>
    </message>
    <message>
        <source>扫描设置</source>
        <translation>Scan Settings</translation>
    </message>
    <message>
        <source>文档输出</source>
        <translation>Document Output</translation>
    </message>
    <message>
        <source>图像存储格式：</source>
        <translation>Image format:</translation>
    </message>
    <message>
        <source>文件命名规则：</source>
        <translation>File naming rule:</translation>
    </message>
    <message>
        <source>当前文件名称：</source>
        <translation>Current file name:</translation>
    </message>
    <message>
        <source>流水号初始值：</source>
        <translation>First serial number:</translation>
    </message>
    <message>
        <source>存储目录设置</source>
        <translation>Save Folder...</translation>
    </message>
    <message>
        <source>图像压缩设置</source>
        <translation>Compression...</translation>
    </message>
    <message>
        <source>扫描参数</source>
        <translation>Scan Parameters</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>对比度</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>使用扫描设备自带界面</source>
        <translation>Use the scanner&apos;s own dialog</translation>
    </message>
    <message>
        <source>提示：本电脑安装了多款扫描设备，请选择当前使用的扫描设备。</source>
        <translation>Note: several scanners are installed on this computer; please choose the one to use.</translation>
    </message>
    <message>
        <source>扫描时显示本设置界面</source>
        <translation>Show these settings when scanning</translation>
    </message>
</context>
<context>
    <name>CommandTexts</name>
    <message>
        <source>撤销上一步操作...</source>
        <translation>Undoing the last operation...</translation>
    </message>
    <message>
        <source>重复上一步操作...</source>
        <translation>Redoing the last operation...</translation>
    </message>
    <message>
        <source>剪切图像...</source>
        <translation>Cutting image...</translation>
    </message>
    <message>
        <source>拷贝图像...</source>
        <translation>Copying image...</translation>
    </message>
    <message>
        <source>粘贴图像...</source>
        <translation>Pasting image...</translation>
    </message>
    <message>
        <source>绘制指定颜色...</source>
        <translation>Painting with the chosen colour...</translation>
    </message>
    <message>
        <source>向左旋转图像...</source>
        <translation>Rotating image left...</translation>
    </message>
    <message>
        <source>向右旋转图像...</source>
        <translation>Rotating image right...</translation>
    </message>
    <message>
        <source>旋转图像180°...</source>
        <translation>Rotating image 180°...</translation>
    </message>
    <message>
        <source>手动纠斜...</source>
        <translation>Manual deskew...</translation>
    </message>
    <message>
        <source>自动纠斜...</source>
        <translation>Automatic deskew...</translation>
    </message>
    <message>
        <source>拉线纠斜...</source>
        <translation>Deskew by line...</translation>
    </message>
    <message>
        <source>在不同格式图像之间不能粘贴！&#x3000;&#x3000;</source>
        <translation>Cannot paste between images of different formats!</translation>
    </message>
    <message>
        <source>图像处理操作</source>
        <translation>Image Processing Options</translation>
    </message>
    <message>
        <source>旋 转</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>纠 斜</source>
        <translation>Deskew</translation>
    </message>
    <message>
        <source>对 齐</source>
        <translation>Align</translation>
    </message>
    <message>
        <source>文 字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>大 小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>调 整</source>
        <translation>Adjust</translation>
    </message>
    <message>
        <source>向右旋转</source>
        <translation>Rotate right</translation>
    </message>
    <message>
        <source>向左旋转</source>
        <translation>Rotate left</translation>
    </message>
    <message>
        <source>旋转180°</source>
        <translation>Rotate 180°</translation>
    </message>
    <message>
        <source>任意角度</source>
        <translation>Any angle</translation>
    </message>
    <message>
        <source>自动纠斜</source>
        <translation>Automatic deskew</translation>
    </message>
    <message>
        <source>拉线纠斜</source>
        <translation>Deskew by line</translation>
    </message>
    <message>
        <source>手动纠斜</source>
        <translation>Manual deskew</translation>
    </message>
    <message>
        <source>左右居中</source>
        <translation>Centre horizontally</translation>
    </message>
    <message>
        <source>上下居中</source>
        <translation>Centre vertically</translation>
    </message>
    <message>
        <source>全部居中</source>
        <translation>Centre both ways</translation>
    </message>
    <message>
        <source>左上对齐</source>
        <translation>Align top left</translation>
    </message>
    <message>
        <source>文字加深</source>
        <translation>Darken text</translation>
    </message>
    <message>
        <source>文字变浅</source>
        <translation>Lighten text</translation>
    </message>
    <message>
        <source>平滑文字</source>
        <translation>Smooth text</translation>
    </message>
    <message>
        <source>改变图像大小</source>
        <translation>Image size</translation>
    </message>
    <message>
        <source>改变画布大小</source>
        <translation>Canvas size</translation>
    </message>
    <message>
        <source>亮度/对比度</source>
        <translation>Brightness/contrast</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>色阶</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>背景优化</source>
        <translation>Background cleanup</translation>
    </message>
    <message>
        <source>裁剪后自动改动尺寸到原尺寸</source>
        <translation>Restore the original size after cropping</translation>
    </message>
    <message>
        <source>清除框外图像处理后图像自动居中</source>
        <translation>Centre the image after clearing outside the frame</translation>
    </message>
    <message>
        <source>手工纠斜</source>
        <translation>Manual Deskew</translation>
    </message>
    <message>
        <source>纠斜度：</source>
        <translation>Skew angle:</translation>
    </message>
    <message>
        <source>旋转任意角度</source>
        <translation>Rotate by Any Angle</translation>
    </message>
    <message>
        <source>旋转角度：</source>
        <translation>Rotation angle:</translation>
    </message>
    <message>
        <source>改变大小</source>
        <translation>Resize</translation>
    </message>
    <message>
        <source>纠偏角度应该在左右45之间！  </source>
        <translation>The deskew angle must lie between -45 and 45!</translation>
    </message>
    <message>
        <source>图像旋转&amp;纠斜设置</source>
        <translation>Rotation &amp; Deskew Settings</translation>
    </message>
    <message>
        <source>保持图像大小不变</source>
        <translation>Keep the image size</translation>
    </message>
    <message>
        <source>清除框内图像...</source>
        <translation>Clearing inside the frame...</translation>
    </message>
    <message>
        <source>清除框外图像...</source>
        <translation>Clearing outside the frame...</translation>
    </message>
    <message>
        <source>裁剪图像...</source>
        <translation>Cropping image...</translation>
    </message>
    <message>
        <source>居中图像...</source>
        <translation>Centring image...</translation>
    </message>
    <message>
        <source>没有找到要清除的杂点。</source>
        <translation>No specks found to remove.</translation>
    </message>
    <message>
        <source>没有找到黑边。</source>
        <translation>No black borders found.</translation>
    </message>
    <message>
        <source>没有找到要清除的线条。</source>
        <translation>No lines found to remove.</translation>
    </message>
    <message>
        <source>没有找到设定大小的装订孔。</source>
        <translation>No punch holes of the set size found.</translation>
    </message>
    <message>
        <source>清除图像杂点...</source>
        <translation>Removing specks...</translation>
    </message>
    <message>
        <source>清除图像黑边...</source>
        <translation>Removing black borders...</translation>
    </message>
    <message>
        <source>清除图像线条...</source>
        <translation>Removing lines...</translation>
    </message>
    <message>
        <source>清除图像装订孔...</source>
        <translation>Removing punch holes...</translation>
    </message>
    <message>
        <source>当前图像不是黑白图像，不能清除杂点。</source>
        <translation>The current image is not black and white; specks cannot be removed.</translation>
    </message>
    <message>
        <source>当前图像不是黑白图像，不能清除黑边。</source>
        <translation>The current image is not black and white; black borders cannot be removed.</translation>
    </message>
    <message>
        <source>当前图像不是黑白图像，不能清除线条。</source>
        <translation>The current image is not black and white; lines cannot be removed.</translation>
    </message>
    <message>
        <source>当前图像不是黑白图像，不能清除装订孔。</source>
        <translation>The current image is not black and white; punch holes cannot be removed.</translation>
    </message>
    <message>
        <source>图像反色...</source>
        <translation>Inverting image...</translation>
    </message>
    <message>
        <source>当前图像不是黑白图像，不能反色。</source>
        <translation>The current image is not black and white; it cannot be inverted.</translation>
    </message>
    <message>
        <source>文字加深...</source>
        <translation>Darkening text...</translation>
    </message>
    <message>
        <source>文字变浅...</source>
        <translation>Lightening text...</translation>
    </message>
    <message>
        <source>平滑文字...</source>
        <translation>Smoothing text...</translation>
    </message>
    <message>
        <source>亮度、对比度调整...</source>
        <translation>Adjusting brightness and contrast...</translation>
    </message>
    <message>
        <source>饱和度...</source>
        <translation>Adjusting saturation...</translation>
    </message>
    <message>
        <source>色阶调整...</source>
        <translation>Adjusting levels...</translation>
    </message>
    <message>
        <source>背景消除...</source>
        <translation>Removing background...</translation>
    </message>
    <message>
        <source>图像二值化...</source>
        <translation>Converting to black and white...</translation>
    </message>
    <message>
        <source>选项不能为空！&#x3000;&#x3000;</source>
        <translation>Options cannot be empty!</translation>
    </message>
    <message>
        <source>位置不能为空！&#x3000;&#x3000;</source>
        <translation>Choose at least one side!</translation>
    </message>
    <message>
        <source>装订孔数量不能少于2！  </source>
        <translation>There must be at least 2 punch holes!</translation>
    </message>
    <message>
        <source>输入的值不正确！    </source>
        <translation>The value entered is not valid!</translation>
    </message>
    <message>
        <source>不能为零！    </source>
        <translation>Cannot be zero!</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>个</source>
        <translation>holes</translation>
    </message>
    <message>
        <source>左边</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右边</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>上部</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>下部</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Sides</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>自动裁剪设置</source>
        <translation>Auto Trim Settings</translation>
    </message>
    <message>
        <source>相邻色差：</source>
        <translation>Colour tolerance:</translation>
    </message>
    <message>
        <source>去噪点设置</source>
        <translation>Despeckle Settings</translation>
    </message>
    <message>
        <source>一个像素大小</source>
        <translation>One pixel</translation>
    </message>
    <message>
        <source>自定义像素大小</source>
        <translation>Custom size</translation>
    </message>
    <message>
        <source>噪点大小</source>
        <translation>Speck Size</translation>
    </message>
    <message>
        <source>最小点宽度：</source>
        <translation>Minimum width:</translation>
    </message>
    <message>
        <source>最小点高度：</source>
        <translation>Minimum height:</translation>
    </message>
    <message>
        <source>最大点宽度：</source>
        <translation>Maximum width:</translation>
    </message>
    <message>
        <source>最大点高度：</source>
        <translation>Maximum height:</translation>
    </message>
    <message>
        <source>去黑边设置</source>
        <translation>Border Removal Settings</translation>
    </message>
    <message>
        <source>黑边百分比：</source>
        <translation>Border percentage:</translation>
    </message>
    <message>
        <source>白点大小：</source>
        <translation>White speck size:</translation>
    </message>
    <message>
        <source>冗余度：</source>
        <translation>Tolerance:</translation>
    </message>
    <message>
        <source>去线条设置</source>
        <translation>Line Removal Settings</translation>
    </message>
    <message>
        <source>线条方向</source>
        <translation>Line Direction</translation>
    </message>
    <message>
        <source>水平线</source>
        <translation>Horizontal lines</translation>
    </message>
    <message>
        <source>垂直线</source>
        <translation>Vertical lines</translation>
    </message>
    <message>
        <source>线条大小</source>
        <translation>Line Size</translation>
    </message>
    <message>
        <source>最小长度：</source>
        <translation>Minimum length:</translation>
    </message>
    <message>
        <source>最大宽度：</source>
        <translation>Maximum thickness:</translation>
    </message>
    <message>
        <source>隔断高度：</source>
        <translation>Gap height:</translation>
    </message>
    <message>
        <source>隔断最大百分比：</source>
        <translation>Maximum gap percentage:</translation>
    </message>
    <message>
        <source>可选项</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>最大缺口：</source>
        <translation>Maximum break:</translation>
    </message>
    <message>
        <source>去除完整线条</source>
        <translation>Remove whole lines</translation>
    </message>
    <message>
        <source>去装订孔设置</source>
        <translation>Punch Hole Removal Settings</translation>
    </message>
    <message>
        <source>设置选项</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>设置装订孔大小</source>
        <translation>Set the hole size</translation>
    </message>
    <message>
        <source>设置装订孔位置</source>
        <translation>Set the hole sides</translation>
    </message>
    <message>
        <source>设置装订孔个数限制</source>
        <translation>Limit the number of holes</translation>
    </message>
    <message>
        <source>装订孔大小</source>
        <translation>Hole Size</translation>
    </message>
    <message>
        <source>最小孔宽度：</source>
        <translation>Minimum width:</translation>
    </message>
    <message>
        <source>最小孔高度：</source>
        <translation>Minimum height:</translation>
    </message>
    <message>
        <source>最大孔宽度：</source>
        <translation>Maximum width:</translation>
    </message>
    <message>
        <source>最大孔高度：</source>
        <translation>Maximum height:</translation>
    </message>
    <message>
        <source>装订孔位置</source>
        <translation>Hole Sides</translation>
    </message>
    <message>
        <source>装订孔个数</source>
        <translation>Number of Holes</translation>
    </message>
    <message>
        <source>最小数：</source>
        <translation>Minimum:</translation>
    </message>
    <message>
        <source>最大数：</source>
        <translation>Maximum:</translation>
    </message>
    <message>
        <source>图像亮度/对比度调整</source>
        <translation>Brightness/Contrast</translation>
    </message>
    <message>
        <source>亮度：</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <source>对比度：</source>
        <translation>Contrast:</translation>
    </message>
    <message>
        <source>饱和度调整</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>饱和度：</source>
        <translation>Saturation:</translation>
    </message>
    <message>
        <source>关 闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>调整度应该在正负100之间！  </source>
        <translation>The adjustment must lie between -100 and 100!</translation>
    </message>
    <message>
        <source>背景消除</source>
        <translation>Background Removal</translation>
    </message>
    <message>
        <source>消除度：</source>
        <translation>Strength:</translation>
    </message>
    <message>
        <source>消除度应该在0-100之间！  </source>
        <translation>The strength must lie between 0 and 100!</translation>
    </message>
    <message>
        <source>色阶调整</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>调整度：</source>
        <translation>Adjustment:</translation>
    </message>
    <message>
        <source>调整度应该在2-100之间！  </source>
        <translation>The adjustment must lie between 2 and 100!</translation>
    </message>
    <message>
        <source>底色绘制设置</source>
        <translation>Paint Settings</translation>
    </message>
    <message>
        <source>默认大小</source>
        <translation>Default Size</translation>
    </message>
    <message>
        <source>绘制点宽度：</source>
        <translation>Stamp width:</translation>
    </message>
    <message>
        <source>绘制点高度：</source>
        <translation>Stamp height:</translation>
    </message>
</context>
<context>
    <name>CommentTexts</name>
    <message>
        <source>插入签注...</source>
        <translation>Inserting comment...</translation>
    </message>
    <message>
        <source>签注字体</source>
        <translation>Comment Font</translation>
    </message>
    <message>
        <source>选择字体：</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>选择字号：</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>粗 体</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>斜 体</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Strikeout</translation>
    </message>
</context>
<context>
    <name>ControlTexts</name>
    <message>
        <source>请设置本地图像存放目录！&#x3000;&#x3000;</source>
        <translation>Please set the local folder for the images!</translation>
    </message>
    <message>
        <source>请设置文档名称！&#x3000;&#x3000;</source>
        <translation>Please set the document name!</translation>
    </message>
    <message>
        <source>文档名称必须是图像存放目录下的相对路径，不能是绝对路径或包含“..”！&#x3000;&#x3000;</source>
        <translation>The document name must be a path relative to the image folder, not an absolute path, and must not contain &quot;..&quot;.</translation>
    </message>
    <message>
        <source>无法创建目录：%1，请检查路径和访问权限！&#x3000;&#x3000;</source>
        <translation>Cannot create the folder %1; please check the path and the access rights!</translation>
    </message>
    <message>
        <source>文件列表</source>
        <translation>File list</translation>
    </message>
    <message>
        <source>当前文件</source>
        <translation>Current file</translation>
    </message>
    <message>
        <source>当前页</source>
        <translation>Current page</translation>
    </message>
    <message>
        <source>缩放比例</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>图像</source>
        <translation>Page image</translation>
    </message>
</context>
<context>
    <name>CoreTexts</name>
    <message>
        <source>提示信息</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>错误信息</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>澜页文档扫描影像优化处理控件</source>
        <translation>Scanvo document scanning and imaging control</translation>
    </message>
    <message>
        <source>拉线纠斜：沿倾斜的文字行拖出一条直线，松开鼠标即按此线纠斜；再次选择“拉线纠斜”退出。</source>
        <translation>Deskew by line: drag a straight line along a skewed line of text; releasing the mouse deskews along it. Choose &quot;Deskew by line&quot; again to leave.</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取 消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>没有可恢复的图像</source>
        <translation>no image to restore</translation>
    </message>
</context>
<context>
    <name>DocumentTexts</name>
    <message>
        <source>&#x3000;&#x3000;</source>
        <translation> </translation>
    </message>
    <message>
        <source>文档中没有第 %1 个图像文件</source>
        <translation>The document has no image file number %1</translation>
    </message>
    <message>
        <source>第 </source>
        <translation>Page </translation>
    </message>
    <message>
        <source> 页</source>
        <translation> </translation>
    </message>
    <message>
        <source>翻到第一个图像...</source>
        <translation>Going to the first image...</translation>
    </message>
    <message>
        <source>翻到上一个图像...</source>
        <translation>Going to the previous image...</translation>
    </message>
    <message>
        <source>翻到下一个图像...</source>
        <translation>Going to the next image...</translation>
    </message>
    <message>
        <source>翻到最后一个图像...</source>
        <translation>Going to the last image...</translation>
    </message>
    <message>
        <source>翻到第</source>
        <translation>Going to image </translation>
    </message>
    <message>
        <source>个图像...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>EngineMessages</name>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>文件名为空</source>
        <translation>The file name is empty</translation>
    </message>
    <message>
        <source>没有图像</source>
        <translation>No image</translation>
    </message>
    <message>
        <source>页面已在文件中被改变，无法读取原图</source>
        <translation>The page has changed in its file; the original cannot be read</translation>
    </message>
    <message>
        <source>不支持的缩小比例：1/%1</source>
        <translation>Unsupported reduction: 1/%1</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>不是普通文件：%1</source>
        <translation>Not a regular file: %1</translation>
    </message>
    <message>
        <source>文件为空：%1</source>
        <translation>Empty file: %1</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Cannot open file: %1</translation>
    </message>
    <message>
        <source>不是可识别的图像文件：%1</source>
        <translation>Not a recognised image file: %1</translation>
    </message>
    <message>
        <source>不是 TIFF 文件，无法按页操作：%1</source>
        <translation>Not a TIFF file, so its pages cannot be edited: %1</translation>
    </message>
    <message>
        <source>文件已损坏或被截断：%1</source>
        <translation>File damaged or truncated: %1</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Cannot write file: %1</translation>
    </message>
    <message>
        <source>不支持的图像类型：%1（%2）</source>
        <translation>Unsupported image type: %1 (%2)</translation>
    </message>
    <message>
        <source>不支持的图像格式代码：%1</source>
        <translation>Unsupported image format code: %1</translation>
    </message>
    <message>
        <source>不支持的存储方式：%1</source>
        <translation>Unsupported save mode: %1</translation>
    </message>
    <message>
        <source>不支持的颜色深度：%1</source>
        <translation>Unsupported colour depth: %1</translation>
    </message>
    <message>
        <source>JPEG 文件只能存放一页图像</source>
        <translation>A JPEG file holds one page only</translation>
    </message>
    <message>
        <source>页码超出范围：第 %1 页（共 %2 页）</source>
        <translation>Page out of range: page %1 (of %2)</translation>
    </message>
    <message>
        <source>不能删除文件中唯一的一页：%1</source>
        <translation>Cannot delete the only page of a file: %1</translation>
    </message>
    <message>
        <source>图像颜色深度转换失败</source>
        <translation>Colour depth conversion failed</translation>
    </message>
    <message>
        <source>图像编码失败</source>
        <translation>Image encoding failed</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>文件只读</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>所在目录只读</source>
        <translation>its folder is read-only</translation>
    </message>
    <message>
        <source>文件已损坏，只能读出前 %1 页，其后的页面无法读取：%2</source>
        <translation>File damaged: only the first %1 pages can be read, the pages after them cannot: %2</translation>
    </message>
    <message>
        <source>文件已损坏，只能读出前 %1 页；改写此文件将丢失其后无法读取的页面：%2</source>
        <translation>File damaged: only the first %1 pages can be read; rewriting this file loses the unreadable pages after them: %2</translation>
    </message>
    <message>
        <source>缺少图像尺寸</source>
        <translation>image size missing</translation>
    </message>
    <message>
        <source>缺少条带长度</source>
        <translation>strip sizes missing</translation>
    </message>
    <message>
        <source>条带长度无效</source>
        <translation>invalid strip size</translation>
    </message>
    <message>
        <source>第 %1 条带</source>
        <translation>strip %1</translation>
    </message>
    <message>
        <source>第 %1 条带超出文件末尾</source>
        <translation>strip %1 lies beyond the end of the file</translation>
    </message>
    <message>
        <source>图像数据不足以填满所声明的尺寸</source>
        <translation>the image data do not fill the declared size</translation>
    </message>
    <message>
        <source>图像复制失败：内存不足</source>
        <translation>Image copy failed: out of memory</translation>
    </message>
    <message>
        <source>图像太大，内存不足：%1 x %2 x %3</source>
        <translation>Image too large, out of memory: %1 x %2 x %3</translation>
    </message>
    <message>
        <source>图像尺寸无效：%1 x %2</source>
        <translation>Invalid image size: %1 x %2</translation>
    </message>
    <message>
        <source>图像操作失败</source>
        <translation>Image operation failed</translation>
    </message>
    <message>
        <source>图像创建失败：内存不足</source>
        <translation>Image creation failed: out of memory</translation>
    </message>
    <message>
        <source>背景估计失败</source>
        <translation>Background estimation failed</translation>
    </message>
    <message>
        <source>二值化失败</source>
        <translation>Binarisation failed</translation>
    </message>
    <message>
        <source>调色板操作失败</source>
        <translation>Palette operation failed</translation>
    </message>
    <message>
        <source>两个图像的格式不同，不能合并</source>
        <translation>The two images differ in format and cannot be combined</translation>
    </message>
    <message>
        <source>合并区域超出图像范围</source>
        <translation>The area to combine lies outside the image</translation>
    </message>
    <message>
        <source>裁剪区域在图像之外</source>
        <translation>The crop area lies outside the image</translation>
    </message>
    <message>
        <source>连通域分析失败</source>
        <translation>Connected-component analysis failed</translation>
    </message>
    <message>
        <source>填充失败</source>
        <translation>Fill failed</translation>
    </message>
    <message>
        <source>像素位置在图像之外：%1, %2</source>
        <translation>Pixel position outside the image: %1, %2</translation>
    </message>
    <message>
        <source>图像列表序号无效：%1</source>
        <translation>Invalid image list index: %1</translation>
    </message>
    <message>
        <source>图像列表范围无效：%1 + %2</source>
        <translation>Invalid image list range: %1 + %2</translation>
    </message>
    <message>
        <source>图像压缩失败：内存不足</source>
        <translation>Image compression failed: out of memory</translation>
    </message>
    <message>
        <source>图像解压失败</source>
        <translation>Image decompression failed</translation>
    </message>
    <message>
        <source>矩形无效</source>
        <translation>Invalid rectangle</translation>
    </message>
    <message>
        <source>%1：没有图像</source>
        <translation>%1: no image</translation>
    </message>
    <message>
        <source>%1：只能处理黑白图像</source>
        <translation>%1: black and white images only</translation>
    </message>
    <message>
        <source>%1：参数 %2 无效（%3）</source>
        <translation>%1: invalid argument %2 (%3)</translation>
    </message>
    <message>
        <source>绘制文字失败</source>
        <translation>Drawing text failed</translation>
    </message>
    <message>
        <source>色调调整失败</source>
        <translation>Tone adjustment failed</translation>
    </message>
</context>
<context>
    <name>ExportSettings</name>
    <message>
        <source>简体中文和英文</source>
        <translation>Simplified Chinese and English</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Simplified Chinese</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>ExportTexts</name>
    <message>
        <source>导出 PDF... </source>
        <translation>Exporting PDF... </translation>
    </message>
    <message>
        <source>导出 PDF... 第 %1 页 共 %2 页</source>
        <translation>Exporting PDF... page %1 of %2</translation>
    </message>
    <message>
        <source>PDF文件(*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>导出 PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>正在取消导出... </source>
        <translation>Cancelling the export... </translation>
    </message>
</context>
<context>
    <name>FileOperationTexts</name>
    <message>
        <source>是否要删除选定图像文件？&#x3000;&#x3000;</source>
        <translation>Delete the selected image files?</translation>
    </message>
    <message>
        <source>真的要删除选定图像文件么？ 一旦删除就无法恢复！&#x3000;&#x3000;</source>
        <translation>Really delete the selected image files? Once deleted they cannot be recovered!</translation>
    </message>
    <message>
        <source>选择文件... </source>
        <translation>Choose File... </translation>
    </message>
    <message>
        <source>TIFF图像文件(*.tif；*.tiff)|*.tif;.tiff</source>
        <translation>TIFF image files (*.tif;*.tiff)|*.tif;.tiff</translation>
    </message>
    <message>
        <source>JPG图像文件(*.jpg;*.jpeg)|*.jpg;*.jpeg</source>
        <translation>JPG image files (*.jpg;*.jpeg)|*.jpg;*.jpeg</translation>
    </message>
    <message>
        <source>所有图像文件(*.jpg;*.tif)|*.jpg;*.tif</source>
        <translation>All image files (*.jpg;*.tif)|*.jpg;*.tif</translation>
    </message>
    <message>
        <source>要替换当前文件么？   </source>
        <translation>Replace the current file?</translation>
    </message>
    <message>
        <source>文件重命名</source>
        <translation>Rename File</translation>
    </message>
    <message>
        <source>文件名称：</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>更改文件名出错！   </source>
        <translation>The file could not be renamed!</translation>
    </message>
    <message>
        <source>该文件已经存在，请重命名！   </source>
        <translation>That file already exists; please choose another name!</translation>
    </message>
    <message>
        <source>批量重命名</source>
        <translation>Batch Rename</translation>
    </message>
    <message>
        <source>命名规则：</source>
        <translation>Naming rule:</translation>
    </message>
    <message>
        <source>顺序号起始：</source>
        <translation>First number:</translation>
    </message>
    <message>
        <source>旧文件名</source>
        <translation>Old name</translation>
    </message>
    <message>
        <source>新文件名</source>
        <translation>New name</translation>
    </message>
    <message>
        <source>请先勾选要重命名的文件。</source>
        <translation>Check the files to rename first.</translation>
    </message>
    <message>
        <source>只能用一个文件替换，将使用 %1。   </source>
        <translation>Only one file can replace it; %1 will be used.</translation>
    </message>
    <message>
        <source>替换文件出错！%1 %2   </source>
        <translation>The file could not be replaced! %1 %2</translation>
    </message>
    <message>
        <source>%1 不是可以读出的图像文件。   </source>
        <translation>%1 is not a readable image file.</translation>
    </message>
    <message>
        <source>%1 与 %2 的图像格式不同，不能替换。   </source>
        <translation>%1 and %2 differ in image format; one cannot replace the other.</translation>
    </message>
    <message>
        <source>以下文件未能删除：
%1   </source>
        <translation>These files could not be deleted:
%1</translation>
    </message>
    <message>
        <source>批量重命名出错：%1 %2
已改名的文件都已恢复原名。   </source>
        <translation>Batch rename failed: %1 %2
Every file renamed has its original name back.</translation>
    </message>
    <message>
        <source>批量重命名出错：%1 %2
有的文件未能恢复原名，下次打开本文档时将再恢复。   </source>
        <translation>Batch rename failed: %1 %2
Some files could not get their original names back; this is tried again when the document is next opened.</translation>
    </message>
</context>
<context>
    <name>PageStructureTexts</name>
    <message>
        <source>真的要删除本页图像么？&#x3000;&#x3000;</source>
        <translation>Really delete this page?</translation>
    </message>
    <message>
        <source>删除当前图像...</source>
        <translation>Deleting the current image...</translation>
    </message>
    <message>
        <source>图像调序...</source>
        <translation>Moving page...</translation>
    </message>
    <message>
        <source>改到...</source>
        <translation>Move To</translation>
    </message>
    <message>
        <source>改到第                               页</source>
        <translation>Move to page                               </translation>
    </message>
    <message>
        <source>

仍要删除此页吗？删除后文件只保留可读出的页面。&#x3000;&#x3000;</source>
        <translation>

Delete this page anyway? The file then keeps only the pages that can be read.</translation>
    </message>
    <message>
        <source>不能删除文件 %1</source>
        <translation>Cannot delete file %1</translation>
    </message>
    <message>
        <source>图像拼接</source>
        <translation>Join Pages</translation>
    </message>
    <message>
        <source>拼接页一：</source>
        <translation>First page:</translation>
    </message>
    <message>
        <source>拼接页二：</source>
        <translation>Second page:</translation>
    </message>
    <message>
        <source>追加位置：</source>
        <translation>Place after page:</translation>
    </message>
    <message>
        <source>拼接方向：</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>左右</source>
        <translation>Side by side</translation>
    </message>
    <message>
        <source>上下</source>
        <translation>One above the other</translation>
    </message>
    <message>
        <source>拼接图像...</source>
        <translation>Joining pages...</translation>
    </message>
    <message>
        <source>两个图像的类型不一样，不能拼接！&#x3000;&#x3000;</source>
        <translation>The two images differ in type and cannot be joined!</translation>
    </message>
    <message>
        <source>图像分割</source>
        <translation>Divide Page</translation>
    </message>
    <message>
        <source>分割方向：</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>左右分割</source>
        <translation>Left and right</translation>
    </message>
    <message>
        <source>上下分割</source>
        <translation>Top and bottom</translation>
    </message>
    <message>
        <source>分割位置：</source>
        <translation>Divide at:</translation>
    </message>
    <message>
        <source>附加位置：</source>
        <translation>Place after page:</translation>
    </message>
    <message>
        <source>删除原图 </source>
        <translation>Delete the original </translation>
    </message>
    <message>
        <source>分割图像...</source>
        <translation>Dividing page...</translation>
    </message>
    <message>
        <source>图像太小，不能分割！&#x3000;&#x3000;</source>
        <translation>The image is too small to divide!</translation>
    </message>
</context>
<context>
    <name>PdfMessages</name>
    <message>
        <source>没有要导出的页面</source>
        <translation>No pages to export</translation>
    </message>
    <message>
        <source>无法导出 %1 第 %2 页：%3</source>
        <translation>Cannot export %1 page %2: %3</translation>
    </message>
    <message>
        <source>未安装文字识别语言 %1，请安装软件包 %2</source>
        <translation>Text recognition language %1 is not installed; please install the package %2</translation>
    </message>
    <message>
        <source>文字识别失败：%1 第 %2 页</source>
        <translation>Text recognition failed: %1 page %2</translation>
    </message>
    <message>
        <source>无法生成 PDF 文件：%1（%2）</source>
        <translation>Cannot write the PDF file %1 (%2)</translation>
    </message>
    <message>
        <source>缺少 PDF/A 所需的 sRGB 色彩配置文件：%1</source>
        <translation>The sRGB colour profile PDF/A needs is missing: %1</translation>
    </message>
</context>
<context>
    <name>SavingTexts</name>
    <message>
        <source>存储错误，</source>
        <translation>Save error, </translation>
    </message>
    <message>
        <source>

仍要保存此页吗？保存后文件只保留可读出的页面。&#x3000;&#x3000;</source>
        <translation>

Save this page anyway? The file then keeps only the pages that can be read.</translation>
    </message>
    <message>
        <source>图像压缩设置</source>
        <translation>Compression Settings</translation>
    </message>
    <message>
        <source>TIF(黑白)</source>
        <translation>TIF (black and white)</translation>
    </message>
    <message>
        <source>TIF(彩色或灰度)</source>
        <translation>TIF (colour or grey)</translation>
    </message>
    <message>
        <source>JPG(彩色)</source>
        <translation>JPG (colour)</translation>
    </message>
    <message>
        <source>图像压缩格式</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>图像质量</source>
        <translation>Image Quality</translation>
    </message>
    <message>
        <source>图像质量值必须在1-100之间！    </source>
        <translation>The image quality must lie between 1 and 100!</translation>
    </message>
    <message>
        <source>无压缩</source>
        <translation>Uncompressed</translation>
    </message>
    <message>
        <source>无损 YUV 4:4:4</source>
        <translation>Lossless YUV 4:4:4</translation>
    </message>
    <message>
        <source>有损 YUV 4:2:2</source>
        <translation>Lossy YUV 4:2:2</translation>
    </message>
    <message>
        <source>有损 YUV 4:1:1</source>
        <translation>Lossy YUV 4:1:1</translation>
    </message>
    <message>
        <source>最好的图像质量</source>
        <translation>Best image quality</translation>
    </message>
    <message>
        <source>好的图像质量及较小的文件</source>
        <translation>Good quality, smaller files</translation>
    </message>
    <message>
        <source>最小的文件</source>
        <translation>Smallest files</translation>
    </message>
    <message>
        <source>自定义品质</source>
        <translation>Custom quality</translation>
    </message>
</context>
<context>
    <name>ScanParameters</name>
    <message>
        <source>平板</source>
        <translation>Flatbed</translation>
    </message>
    <message>
        <source>高速</source>
        <translation>Feeder</translation>
    </message>
    <message>
        <source>单面</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>双面</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Black and white</translation>
    </message>
    <message>
        <source>灰度</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>彩色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>横向</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>纵向</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>扫描速度</source>
        <translation>Paper source</translation>
    </message>
    <message>
        <source>单/双面</source>
        <translation>Simplex/duplex</translation>
    </message>
    <message>
        <source>图像类型</source>
        <translation>Image type</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>纸张大小</source>
        <translation>Paper size</translation>
    </message>
    <message>
        <source>纸张方向</source>
        <translation>Orientation</translation>
    </message>
</context>
<context>
    <name>ScannerMessages</name>
    <message>
        <source>扫描数据无法识别：%1</source>
        <translation>Unrecognised scan data: %1</translation>
    </message>
    <message>
        <source>行宽为零</source>
        <translation>zero line width</translation>
    </message>
    <message>
        <source>位深 %1</source>
        <translation>bit depth %1</translation>
    </message>
    <message>
        <source>行字节数不足</source>
        <translation>too few bytes per line</translation>
    </message>
    <message>
        <source>没有图像数据</source>
        <translation>no image data</translation>
    </message>
    <message>
        <source>扫描页面太大，内存不足</source>
        <translation>The scanned page is too large: out of memory</translation>
    </message>
    <message>
        <source>1 位彩色</source>
        <translation>1-bit colour</translation>
    </message>
    <message>
        <source>三次扫描的颜色帧不完整</source>
        <translation>incomplete colour frames of a three-pass scan</translation>
    </message>
    <message>
        <source>三次扫描的颜色帧不一致</source>
        <translation>inconsistent colour frames of a three-pass scan</translation>
    </message>
    <message>
        <source>%1 帧</source>
        <translation>%1 frames</translation>
    </message>
</context>
<context>
    <name>SettingsTexts</name>
    <message>
        <source>设置文件中以下数值超出范围，已改用默认值：
%1&#x3000;&#x3000;</source>
        <translation>These values in the settings file are out of range and were replaced by their defaults:
%1</translation>
    </message>
    <message>
        <source>%1 = %2（默认值 %3）</source>
        <translation>%1 = %2 (default %3)</translation>
    </message>
    <message>
        <source>界面显示设置</source>
        <translation>Display Settings</translation>
    </message>
    <message>
        <source>界面显示</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>影像优化栏位置</source>
        <translation>Imaging toolbar position</translation>
    </message>
    <message>
        <source>扫描工具栏位置</source>
        <translation>Scan toolbar position</translation>
    </message>
    <message>
        <source>显示按钮标题</source>
        <translation>Show button captions</translation>
    </message>
    <message>
        <source>图像显示</source>
        <translation>Image Display</translation>
    </message>
    <message>
        <source>图像显示方式</source>
        <translation>Fit:</translation>
    </message>
    <message>
        <source>上边</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>左边</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右边</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Actual size</translation>
    </message>
    <message>
        <source>适合窗口</source>
        <translation>Fit to window</translation>
    </message>
    <message>
        <source>适合宽度</source>
        <translation>Fit width</translation>
    </message>
    <message>
        <source>适合高度</source>
        <translation>Fit height</translation>
    </message>
    <message>
        <source>图像保存目录</source>
        <translation>Image Folder</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>提示：设定一个固定的目录来保存扫描或处理后的图像文件。</source>
        <translation>Note: choose a fixed folder to keep scanned and processed image files in.</translation>
    </message>
    <message>
        <source>选择保存目录：</source>
        <translation>Choose the folder:</translation>
    </message>
    <message>
        <source>导出设置</source>
        <translation>Export Settings</translation>
    </message>
    <message>
        <source>可搜索 PDF 的识别语言</source>
        <translation>Recognition language of searchable PDFs</translation>
    </message>
    <message>
        <source>导出为 PDF/A（长期存档格式）</source>
        <translation>Export as PDF/A (long-term archiving format)</translation>
    </message>
</context>
<context>
    <name>SizeTexts</name>
    <message>
        <source>改变图像大小...</source>
        <translation>Changing image size...</translation>
    </message>
    <message>
        <source>改变图像画布大小...</source>
        <translation>Changing canvas size...</translation>
    </message>
    <message>
        <source>改变图像大小</source>
        <translation>Image Size</translation>
    </message>
    <message>
        <source>按大小</source>
        <translation>By size</translation>
    </message>
    <message>
        <source>按百分比</source>
        <translation>By percentage</translation>
    </message>
    <message>
        <source>宽 度：</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>高 度：</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>毫米</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>二倍宽度</source>
        <translation>Double width</translation>
    </message>
    <message>
        <source>二倍高度</source>
        <translation>Double height</translation>
    </message>
    <message>
        <source>改变画布大小</source>
        <translation>Canvas Size</translation>
    </message>
    <message>
        <source>图像原大小</source>
        <translation>Image size</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>宽度或高度不能为空！   </source>
        <translation>Width and height cannot be empty!</translation>
    </message>
    <message>
        <source>宽度或高度不能为0！   </source>
        <translation>Width and height cannot be 0!</translation>
    </message>
</context>
<context>
    <name>Toolbars</name>
    <message>
        <source>附加扫描</source>
        <translation>Append Scan</translation>
    </message>
    <message>
        <source>插入扫描</source>
        <translation>Insert Scan</translation>
    </message>
    <message>
        <source>重新扫描</source>
        <translation>Rescan</translation>
    </message>
    <message>
        <source>扫描设置</source>
        <translation>Scan Settings</translation>
    </message>
    <message>
        <source>界面显示设置</source>
        <translation>Display Settings</translation>
    </message>
    <message>
        <source>存储目录设置</source>
        <translation>Save Folder Settings</translation>
    </message>
    <message>
        <source>图像压缩设置</source>
        <translation>Compression Settings</translation>
    </message>
    <message>
        <source>签注字体设置</source>
        <translation>Comment Font Settings</translation>
    </message>
    <message>
        <source>图像处理操作</source>
        <translation>Image Processing Options</translation>
    </message>
    <message>
        <source>自动裁剪设置</source>
        <translation>Auto Trim Settings</translation>
    </message>
    <message>
        <source>纠斜设置</source>
        <translation>Deskew Settings</translation>
    </message>
    <message>
        <source>去黑边设置</source>
        <translation>Border Removal Settings</translation>
    </message>
    <message>
        <source>去噪点设置</source>
        <translation>Despeckle Settings</translation>
    </message>
    <message>
        <source>去线条设置</source>
        <translation>Line Removal Settings</translation>
    </message>
    <message>
        <source>去装订孔设置</source>
        <translation>Punch Hole Removal Settings</translation>
    </message>
    <message>
        <source>底色绘制设置</source>
        <translation>Paint Settings</translation>
    </message>
    <message>
        <source>导出 PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>导出可搜索 PDF/A</source>
        <translation>Export Searchable PDF/A</translation>
    </message>
    <message>
        <source>导出设置</source>
        <translation>Export Settings</translation>
    </message>
    <message>
        <source>扫描</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>第一个图像</source>
        <translation>First image</translation>
    </message>
    <message>
        <source>上一个图像</source>
        <translation>Previous image</translation>
    </message>
    <message>
        <source>下一个图像</source>
        <translation>Next image</translation>
    </message>
    <message>
        <source>最后一个图像</source>
        <translation>Last image</translation>
    </message>
    <message>
        <source>全选/不选</source>
        <translation>Select all/none</translation>
    </message>
    <message>
        <source>删除选中文件</source>
        <translation>Delete checked files</translation>
    </message>
    <message>
        <source>替换当前文件</source>
        <translation>Replace current file</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>批量重命名</source>
        <translation>Batch rename</translation>
    </message>
    <message>
        <source>两横两纵</source>
        <translation>Two by two</translation>
    </message>
    <message>
        <source>五横五纵</source>
        <translation>Five by five</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>适应窗口</source>
        <translation>Fit to Window</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Fit Width</translation>
    </message>
    <message>
        <source>适应高度</source>
        <translation>Fit Height</translation>
    </message>
    <message>
        <source>第一页图像</source>
        <translation>First page</translation>
    </message>
    <message>
        <source>上一页图像</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>下一页图像</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>最后一页图像</source>
        <translation>Last page</translation>
    </message>
    <message>
        <source>放大图像</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>缩小图像</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>恢复上一步操作</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做操作</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>拷贝</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>选取颜色</source>
        <translation>Pick colour</translation>
    </message>
    <message>
        <source>网格线</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>自动框选框</source>
        <translation>Trim frame</translation>
    </message>
    <message>
        <source>图像显示方式</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>向左旋转</source>
        <translation>Rotate Left</translation>
    </message>
    <message>
        <source>向右旋转</source>
        <translation>Rotate Right</translation>
    </message>
    <message>
        <source>旋转180°</source>
        <translation>Rotate 180°</translation>
    </message>
    <message>
        <source>任意角度</source>
        <translation>Any Angle...</translation>
    </message>
    <message>
        <source>自动纠斜</source>
        <translation>Automatic Deskew</translation>
    </message>
    <message>
        <source>拉线纠斜</source>
        <translation>Deskew by Line</translation>
    </message>
    <message>
        <source>手动纠斜</source>
        <translation>Manual Deskew...</translation>
    </message>
    <message>
        <source>左右居中</source>
        <translation>Centre Horizontally</translation>
    </message>
    <message>
        <source>上下居中</source>
        <translation>Centre Vertically</translation>
    </message>
    <message>
        <source>全部居中</source>
        <translation>Centre Both Ways</translation>
    </message>
    <message>
        <source>左上对齐</source>
        <translation>Align Top Left</translation>
    </message>
    <message>
        <source>文字加深</source>
        <translation>Darken Text</translation>
    </message>
    <message>
        <source>文字变浅</source>
        <translation>Lighten Text</translation>
    </message>
    <message>
        <source>平滑文字</source>
        <translation>Smooth Text</translation>
    </message>
    <message>
        <source>更改图像大小</source>
        <translation>Image Size...</translation>
    </message>
    <message>
        <source>更改画布大小</source>
        <translation>Canvas Size...</translation>
    </message>
    <message>
        <source>亮度/对比度</source>
        <translation>Brightness/Contrast...</translation>
    </message>
    <message>
        <source>饱和度</source>
        <translation>Saturation...</translation>
    </message>
    <message>
        <source>色阶</source>
        <translation>Levels...</translation>
    </message>
    <message>
        <source>背景优化</source>
        <translation>Background Cleanup...</translation>
    </message>
    <message>
        <source>旋转</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>旋转图像</source>
        <translation>Rotate image</translation>
    </message>
    <message>
        <source>纠斜</source>
        <translation>Deskew</translation>
    </message>
    <message>
        <source>图像纠斜</source>
        <translation>Deskew image</translation>
    </message>
    <message>
        <source>框内</source>
        <translation>Inside</translation>
    </message>
    <message>
        <source>清除框内图像</source>
        <translation>Clear inside the frame</translation>
    </message>
    <message>
        <source>框外</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>清除框外图像</source>
        <translation>Clear outside the frame</translation>
    </message>
    <message>
        <source>裁剪</source>
        <translation>Crop</translation>
    </message>
    <message>
        <source>裁剪图像</source>
        <translation>Crop image</translation>
    </message>
    <message>
        <source>自框</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>清除自动选择框外图像</source>
        <translation>Clear outside the trim frame</translation>
    </message>
    <message>
        <source>对齐</source>
        <translation>Align</translation>
    </message>
    <message>
        <source>图像对齐</source>
        <translation>Align image</translation>
    </message>
    <message>
        <source>黑边</source>
        <translation>Borders</translation>
    </message>
    <message>
        <source>去黑边</source>
        <translation>Remove black borders</translation>
    </message>
    <message>
        <source>噪点</source>
        <translation>Specks</translation>
    </message>
    <message>
        <source>去噪点</source>
        <translation>Remove specks</translation>
    </message>
    <message>
        <source>线条</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>去线条</source>
        <translation>Remove lines</translation>
    </message>
    <message>
        <source>订孔</source>
        <translation>Holes</translation>
    </message>
    <message>
        <source>去装订孔</source>
        <translation>Remove punch holes</translation>
    </message>
    <message>
        <source>反白</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>图像反白</source>
        <translation>Invert image</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>文字优化</source>
        <translation>Enhance text</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>更改大小</source>
        <translation>Change size</translation>
    </message>
    <message>
        <source>调整</source>
        <translation>Adjust</translation>
    </message>
    <message>
        <source>图像调整</source>
        <translation>Adjust image</translation>
    </message>
    <message>
        <source>绘制</source>
        <translation>Paint</translation>
    </message>
    <message>
        <source>绘制指定颜色</source>
        <translation>Paint with the chosen colour</translation>
    </message>
    <message>
        <source>二值</source>
        <translation>B/W</translation>
    </message>
    <message>
        <source>图像二值化</source>
        <translation>Convert to black and white</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除本图像</source>
        <translation>Delete this page</translation>
    </message>
    <message>
        <source>调序</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>调整顺序</source>
        <translation>Move page</translation>
    </message>
    <message>
        <source>拼接</source>
        <translation>Join</translation>
    </message>
    <message>
        <source>图像拼接</source>
        <translation>Join pages</translation>
    </message>
    <message>
        <source>分割</source>
        <translation>Divide</translation>
    </message>
    <message>
        <source>图像分割</source>
        <translation>Divide page</translation>
    </message>
    <message>
        <source>签注</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>插入签注</source>
        <translation>Insert comment</translation>
    </message>
</context>
<context>
    <name>ViewerTexts</name>
    <message>
        <source>第 %1 页不在文档的 %2 个文件之内</source>
        <translation>Page %1 is not within the document&apos;s %2 files</translation>
    </message>
    <message>
        <source>第 </source>
        <translation>Page </translation>
    </message>
    <message>
        <source> 页 共 </source>
        <translation> of </translation>
    </message>
    <message>
        <source> 页</source>
        <translation> </translation>
    </message>
    <message>
        <source>位</source>
        <translation>-bit</translation>
    </message>
    <message>
        <source>翻到第一页图像...</source>
        <translation>Going to the first page...</translation>
    </message>
    <message>
        <source>翻到上一页图像...</source>
        <translation>Going to the previous page...</translation>
    </message>
    <message>
        <source>翻到下一页图像...</source>
        <translation>Going to the next page...</translation>
    </message>
    <message>
        <source>翻到最后一页图像...</source>
        <translation>Going to the last page...</translation>
    </message>
    <message>
        <source>翻到第</source>
        <translation>Going to page </translation>
    </message>
    <message>
        <source>页图像...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>放大图像...</source>
        <translation>Zooming in...</translation>
    </message>
    <message>
        <source>缩小图像...</source>
        <translation>Zooming out...</translation>
    </message>
    <message>
        <source>缩放图像...</source>
        <translation>Zooming...</translation>
    </message>
    <message>
        <source>翻到...</source>
        <translation>Go To</translation>
    </message>
    <message>
        <source>翻到第                               页</source>
        <translation>Go to page                               </translation>
    </message>
    <message>
        <source>改到...</source>
        <translation>Move To</translation>
    </message>
    <message>
        <source>改到第                               页</source>
        <translation>Move to page                               </translation>
    </message>
    <message>
        <source>页码应该在1-%1之间！  </source>
        <translation>The page number must lie between 1 and %1!</translation>
    </message>
</context>
<context>
    <name>frmScanPara</name>
    <message>
        <source>多页TIF</source>
        <translation>Multi-page TIF</translation>
    </message>
    <message>
        <source>单页TIF</source>
        <translation>Single-page TIF</translation>
    </message>
    <message>
        <source>单页JPG</source>
        <translation>Single-page JPG</translation>
    </message>
</context>
</TS>
