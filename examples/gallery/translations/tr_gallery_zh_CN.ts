<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Gallery</name>
    <message>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>WidgetDeck gallery</source>
        <translation>WidgetDeck 示例</translation>
    </message>
    <message>
        <source>Signals show here.</source>
        <translation>信号显示在这里。</translation>
    </message>
    <message>
        <source>SigOk, selected tile %1</source>
        <translation>SigOk，选中图块 %1</translation>
    </message>
    <message>
        <source>Stand-alone tile</source>
        <translation>独立图块</translation>
    </message>
    <message>
        <source>SigImgClicked</source>
        <translation>SigImgClicked</translation>
    </message>
    <message>
        <source>SigOk</source>
        <translation>SigOk</translation>
    </message>
    <message>
        <source>Checked tile</source>
        <translation>选中的图块</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>重新开始</translation>
    </message>
    <message>
        <source>Three steps</source>
        <translation>三个步骤</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Parameter list</source>
        <translation>参数列表</translation>
    </message>
    <message>
        <source>Rotated caption</source>
        <translation>竖排标题</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>监视</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>故障</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>示波器</translation>
    </message>
    <message>
        <source>General</source>
        <translation>通用</translation>
    </message>
    <message>
        <source>Textile</source>
        <translation>纺织</translation>
    </message>
    <message>
        <source>Mining</source>
        <translation>矿山</translation>
    </message>
    <message>
        <source>Hoisting</source>
        <translation>起重</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>端子</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>通讯</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>现在</translation>
    </message>
    <message>
        <source>SigMousePress</source>
        <translation>SigMousePress</translation>
    </message>
    <message>
        <source>Right-click for the translated Copy / Select all menu.
Fault 12: overcurrent during acceleration.</source>
        <translation>右键点击可打开翻译后的复制 / 全选菜单。
故障 12：加速过程中过流。</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>功能码</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认值</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Image choice</source>
        <translation>图片选择</translation>
    </message>
    <message>
        <source>Wizard and side panels</source>
        <translation>向导和侧边面板</translation>
    </message>
    <message>
        <source>Menu, status and industry buttons</source>
        <translation>菜单、状态和行业按钮</translation>
    </message>
    <message>
        <source>Input wrappers</source>
        <translation>输入控件</translation>
    </message>
    <message>
        <source>Labelled editors and helpers</source>
        <translation>带标签的编辑框和辅助控件</translation>
    </message>
    <message>
        <source>Result: -</source>
        <translation>结果：-</translation>
    </message>
    <message>
        <source>Progress fed by a timer</source>
        <translation>由定时器推进的进度</translation>
    </message>
    <message>
        <source>Progress that times out</source>
        <translation>会超时的进度</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>搜索进度</translation>
    </message>
    <message>
        <source>Searching stations 1 to 32</source>
        <translation>正在搜索站号 1 到 32</translation>
    </message>
    <message>
        <source>SigCloseProgress: search stopped</source>
        <translation>SigCloseProgress：搜索已停止</translation>
    </message>
    <message>
        <source>Slider dialog</source>
        <translation>滑块对话框</translation>
    </message>
    <message>
        <source>Input dialog</source>
        <translation>输入对话框</translation>
    </message>
    <message>
        <source>Rename axis</source>
        <translation>重命名轴</translation>
    </message>
    <message>
        <source>Export dialog</source>
        <translation>导出对话框</translation>
    </message>
    <message>
        <source>All groups</source>
        <translation>全部分组</translation>
    </message>
    <message>
        <source>Modified only</source>
        <translation>仅修改过的</translation>
    </message>
    <message>
        <source>Include descriptions</source>
        <translation>包含说明</translation>
    </message>
    <message>
        <source>Colour dialog</source>
        <translation>颜色对话框</translation>
    </message>
    <message>
        <source>Curve colour (press to change):</source>
        <translation>曲线颜色（按下可更改）：</translation>
    </message>
    <message>
        <source>SigColorChanged: %1</source>
        <translation>SigColorChanged：%1</translation>
    </message>
    <message>
        <source>Type / : * ? and others: they are refused</source>
        <translation>输入 / : * ? 等字符：它们会被拒绝</translation>
    </message>
    <message>
        <source>Tool tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Progress dialogs</source>
        <translation>进度对话框</translation>
    </message>
    <message>
        <source>Value and input dialogs</source>
        <translation>数值和输入对话框</translation>
    </message>
    <message>
        <source>Path edits</source>
        <translation>路径编辑框</translation>
    </message>
    <message>
        <source>Click a button; its signal shows here.</source>
        <translation>点击按钮，其信号显示在这里。</translation>
    </message>
    <message>
        <source>Result of %1: %2</source>
        <translation>%1 的结果：%2</translation>
    </message>
    <message>
        <source>Drive 3</source>
        <translation>驱动器 3</translation>
    </message>
    <message>
        <source>Parameters were written to the drive.</source>
        <translation>参数已写入驱动器。</translation>
    </message>
    <message>
        <source>This box closes itself after one second.</source>
        <translation>此对话框一秒后自动关闭。</translation>
    </message>
    <message>
        <source>Upload the new parameter set?</source>
        <translation>上传新的参数组吗？</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上传</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
    </message>
    <message>
        <source>Restore the factory defaults?</source>
        <translation>恢复出厂默认值吗？</translation>
    </message>
    <message>
        <source>The motor temperature is close to its limit.</source>
        <translation>电机温度接近上限。</translation>
    </message>
    <message>
        <source>Communication with the drive was lost.</source>
        <translation>与驱动器的通讯已中断。</translation>
    </message>
    <message>
        <source>The report was exported.</source>
        <translation>报告已导出。</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Message box</source>
        <translation>消息框</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Leave the last segment to see editingFinished().</source>
        <translation>离开最后一段可看到 editingFinished()。</translation>
    </message>
    <message>
        <source>Editable</source>
        <translation>可编辑</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>只读</translation>
    </message>
    <message>
        <source>The adapters of this computer. Nothing is changed unless you press OK.</source>
        <translation>本机的网络适配器。除非按下确定，否则不会更改任何设置。</translation>
    </message>
    <message>
        <source>Network settings panel</source>
        <translation>网络设置面板</translation>
    </message>
    <message>
        <source>Drag a line or a handle, or select one and use the arrow keys.</source>
        <translation>拖动光标线或手柄，或选中后用方向键移动。</translation>
    </message>
    <message>
        <source>Read fields</source>
        <translation>读取字段</translation>
    </message>
    <message>
        <source>Edit terminal function (0 to 9)...</source>
        <translation>编辑端子功能（0 到 9）...</translation>
    </message>
    <message>
        <source>Result: %1, value %2</source>
        <translation>结果：%1，值 %2</translation>
    </message>
    <message>
        <source>Cursor frame</source>
        <translation>测量光标</translation>
    </message>
    <message>
        <source>Hex spin boxes and line edits</source>
        <translation>十六进制数值框和编辑框</translation>
    </message>
    <message>
        <source>Multi-radix dialog</source>
        <translation>多进制对话框</translation>
    </message>
    <message>
        <source>OK/Cancel bar</source>
        <translation>确定/取消按钮栏</translation>
    </message>
    <message>
        <source>IP address editors</source>
        <translation>IP 地址编辑框</translation>
    </message>
    <message>
        <source>usable name</source>
        <translation>可用的名称</translation>
    </message>
    <message>
        <source>empty, forbidden character or reserved device name</source>
        <translation>为空、含禁用字符或为保留设备名</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2</source>
        <translation>“%1” %2</translation>
    </message>
    <message>
        <source>acceptable</source>
        <translation>可接受</translation>
    </message>
    <message>
        <source>not yet acceptable</source>
        <translation>尚不可接受</translation>
    </message>
    <message>
        <source>Step bar</source>
        <translation>步骤栏</translation>
    </message>
    <message>
        <source>Side panel</source>
        <translation>侧边面板</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Buttons with status</source>
        <translation>带状态的按钮</translation>
    </message>
    <message>
        <source>Industries</source>
        <translation>行业</translation>
    </message>
    <message>
        <source>Command source (P0.02)</source>
        <translation>命令源 (P0.02)</translation>
    </message>
    <message>
        <source>Preset frequency (P0.08)</source>
        <translation>预置频率 (P0.08)</translation>
    </message>
    <message>
        <source>Mode, wheel ignored</source>
        <translation>模式，忽略滚轮</translation>
    </message>
    <message>
        <source>Date and time, wheel ignored</source>
        <translation>日期和时间，忽略滚轮</translation>
    </message>
    <message>
        <source>Value, reported on Return</source>
        <translation>数值，回车时上报</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Parameter, wide list</source>
        <translation>参数，宽列表</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>轴</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Voltage, disabled</source>
        <translation>电压，已禁用</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Password, can be shown</source>
        <translation>密码，可显示</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Clickable label</source>
        <translation>可点击的标签</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>文件夹名</translation>
    </message>
    <message>
        <source>Port or file name</source>
        <translation>端口或文件名</translation>
    </message>
    <message>
        <source>Address in one field</source>
        <translation>单框地址</translation>
    </message>
    <message>
        <source>Address in four fields</source>
        <translation>四段地址</translation>
    </message>
    <message>
        <source>Hexadecimal, 0 to FF</source>
        <translation>十六进制，0 到 FF</translation>
    </message>
    <message>
        <source>Four hexadecimal fields</source>
        <translation>四个十六进制字段</translation>
    </message>
    <message>
        <source>Hexadecimal, 0x10 to 0xFF</source>
        <translation>十六进制，0x10 到 0xFF</translation>
    </message>
    <message>
        <source>Integer, 0 to 9999</source>
        <translation>整数，0 到 9999</translation>
    </message>
    <message>
        <source>Check name</source>
        <translation>检查名称</translation>
    </message>
    <message>
        <source>Read address</source>
        <translation>读取地址</translation>
    </message>
    <message>
        <source>Fault notes</source>
        <translation>故障说明</translation>
    </message>
</context>
</TS>
