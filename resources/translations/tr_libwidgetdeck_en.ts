<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Dialog</name>
    <message>
        <source>STR_INIT_VALUE</source>
        <translation>Initial</translation>
    </message>
    <message>
        <source>STR_MODIFY_VALUE</source>
        <translation>Modified</translation>
    </message>
</context>
<context>
    <name>OkCancel</name>
    <message>
        <source>STR_CANCEL</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>STR_OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>STR_OPEN</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>STR_QUIT</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>STR_RECOVER_DEFAULT</source>
        <translation>Default</translation>
    </message>
</context>
<context>
    <name>QBaseDlg</name>
    <message>
        <source>STR_CLOSE</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>QChooseWidget</name>
    <message>
        <source>STR_INVERTOR</source>
        <translation>VFD</translation>
    </message>
    <message>
        <source>STR_REMOTE</source>
        <translation>Remote</translation>
    </message>
    <message>
        <source>STR_SERVO</source>
        <translation>Servo</translation>
    </message>
</context>
<context>
    <name>QColorButton</name>
    <message>
        <source>STR_COLOR</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>QCursorFrame</name>
    <message>
        <source>STR_HORIZONTAL_CURSOR_1</source>
        <translation>Horizontal cursor 1</translation>
    </message>
    <message>
        <source>STR_HORIZONTAL_CURSOR_2</source>
        <translation>Horizontal cursor 2</translation>
    </message>
    <message>
        <source>STR_MEASURE_CURSORS</source>
        <translation>Measurement cursors</translation>
    </message>
    <message>
        <source>STR_NO_CURSOR_SHOWN</source>
        <translation>No cursor shown</translation>
    </message>
    <message>
        <source>STR_VERTICAL_CURSOR_1</source>
        <translation>Vertical cursor 1</translation>
    </message>
    <message>
        <source>STR_VERTICAL_CURSOR_2</source>
        <translation>Vertical cursor 2</translation>
    </message>
</context>
<context>
    <name>QCustomDateTimeEdit</name>
    <message>
        <source>STR_DATE_TIME</source>
        <translation>Date and time</translation>
    </message>
</context>
<context>
    <name>QCustomLineEdit</name>
    <message>
        <source>STR_VALUE</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>QCustomPushButton</name>
    <message>
        <source>STR_SETTING_FAILED</source>
        <translation>Setting failed!</translation>
    </message>
    <message>
        <source>STR_SET_RUNTIME_SUCCESS</source>
        <translation>Runtime set success</translation>
    </message>
</context>
<context>
    <name>QEditIP</name>
    <message>
        <source>STR_IP_ADDR</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>STR_PART_OF</source>
        <translation>%1, part %2 of %3</translation>
    </message>
</context>
<context>
    <name>QExportTypeDlg</name>
    <message>
        <source>STR_EXPORT_FUNCODE</source>
        <translation>Export funcode</translation>
    </message>
</context>
<context>
    <name>QExtendProgressDialog</name>
    <message>
        <source>STR_CANCEL</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>STR_CLOSE</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>STR_DIGIAL_STATE_FEEDBACK</source>
        <translation>Status feedback</translation>
    </message>
    <message>
        <source>STR_DONE</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>STR_TIME_OUT</source>
        <translation>Timeout</translation>
    </message>
</context>
<context>
    <name>QExtendSliderDialog</name>
    <message>
        <source>STR_CLOSE</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>STR_VALUE</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>QFolderEdit</name>
    <message>
        <source>STR_FOLDER_INVALID_TIP</source>
        <translation>A file name cannot contains:
\ / : * ? &quot; &lt; &gt; |</translation>
    </message>
</context>
<context>
    <name>QHexDlg</name>
    <message>
        <source>STR_EXPLANATION</source>
        <translation>Explanation</translation>
    </message>
    <message>
        <source>STR_MULTI_SCALE</source>
        <translation>Display in different numeral systems</translation>
    </message>
</context>
<context>
    <name>QHexSubWidget</name>
    <message>
        <source>STR_BINARY</source>
        <translation>Binary</translation>
    </message>
    <message>
        <source>STR_BIT_N</source>
        <translation>Bit %1</translation>
    </message>
    <message>
        <source>STR_DECIMAL</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>STR_HEX</source>
        <translation>Hex</translation>
    </message>
</context>
<context>
    <name>QIPLineEdit</name>
    <message>
        <source>STR_IP_ADDR</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>STR_PART_OF</source>
        <translation>%1, part %2 of %3</translation>
    </message>
</context>
<context>
    <name>QIndustryItem</name>
    <message>
        <source>STR_CLOSE</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>QMultiHexSpinBox</name>
    <message>
        <source>STR_HEX_VALUE</source>
        <translation>Hexadecimal value</translation>
    </message>
    <message>
        <source>STR_PART_OF</source>
        <translation>%1, part %2 of %3</translation>
    </message>
</context>
<context>
    <name>QMyColorDlg</name>
    <message>
        <source>STR_COLOR</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>QMyMessageBox</name>
    <message>
        <source>STR_CRITICAL</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>STR_INFORMATION</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>STR_QUESTION</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>STR_SUCCESS</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>STR_WARNING</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>QPswEdit</name>
    <message>
        <source>STR_PASSWORD_HIDDEN</source>
        <translation>Password is hidden</translation>
    </message>
    <message>
        <source>STR_PASSWORD_SHOWN</source>
        <translation>Password is shown</translation>
    </message>
    <message>
        <source>STR_SHOW_PASSWORD</source>
        <translation>Show password</translation>
    </message>
</context>
<context>
    <name>QStyleInputDialog</name>
    <message>
        <source>STR_CANCEL</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>STR_INPUT</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>STR_OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QTopSideWidget</name>
    <message>
        <source>STR_CLOSE</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>STR_HIDE</source>
        <translation>Hide</translation>
    </message>
</context>
<context>
    <name>QTranslatedTextEdit</name>
    <message>
        <source>STR_COPY</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>STR_SELECT_ALL</source>
        <translation>Select all</translation>
    </message>
</context>
<context>
    <name>QWebSetClient</name>
    <message>
        <source>STR_CONFIGING</source>
        <translation>Configuring...</translation>
    </message>
    <message>
        <source>STR_CONFIG_FAILED</source>
        <translation>Configuration failed. Cause: %1</translation>
    </message>
    <message>
        <source>STR_CONFIG_OVER</source>
        <translation>Configured.</translation>
    </message>
    <message>
        <source>STR_CONFIG_SUCCESS</source>
        <translation>Configuration succeeded. IP: %1</translation>
    </message>
    <message>
        <source>STR_DEFAULT_GATEWAY</source>
        <translation>Default gateway</translation>
    </message>
    <message>
        <source>STR_DNS_SERVER</source>
        <translation>DNS server</translation>
    </message>
    <message>
        <source>STR_DNS_SERVER_SET</source>
        <translation>DNS server settings</translation>
    </message>
    <message>
        <source>STR_GET_DNSSERVER_AUTO</source>
        <translation>Auto obtain</translation>
    </message>
    <message>
        <source>STR_GET_DNSSERVER_MANUAL</source>
        <translation>Use designated</translation>
    </message>
    <message>
        <source>STR_GET_IP_AUTO</source>
        <translation>Auto obtain</translation>
    </message>
    <message>
        <source>STR_GET_IP_MANUAL</source>
        <translation>Use designated</translation>
    </message>
    <message>
        <source>STR_IP_ADDR</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>STR_IP_ADDRSET</source>
        <translation>IP address settings</translation>
    </message>
    <message>
        <source>STR_NET_ADDRESS_INVALID</source>
        <translation>the IP address %1 is not valid</translation>
    </message>
    <message>
        <source>STR_NET_ADDRESS_MISSING</source>
        <translation>the IP address is missing</translation>
    </message>
    <message>
        <source>STR_NET_CAUSE_CONTROL</source>
        <translation>the %1 contains a control character (U+%2)</translation>
    </message>
    <message>
        <source>STR_NET_CAUSE_QUOTE</source>
        <translation>the %1 contains a double quote</translation>
    </message>
    <message>
        <source>STR_NET_FIELD_ADAPTER</source>
        <translation>adapter name</translation>
    </message>
    <message>
        <source>STR_NET_FIELD_ADDRESS</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>STR_NET_FIELD_GATEWAY</source>
        <translation>default gateway</translation>
    </message>
    <message>
        <source>STR_NET_FIELD_MASK</source>
        <translation>subnet mask</translation>
    </message>
    <message>
        <source>STR_NET_GATEWAY_INVALID</source>
        <translation>the default gateway %1 is not valid</translation>
    </message>
    <message>
        <source>STR_NET_MASK_INVALID</source>
        <translation>the subnet mask %1 is not valid</translation>
    </message>
    <message>
        <source>STR_NET_MASK_MISSING</source>
        <translation>the subnet mask is missing</translation>
    </message>
    <message>
        <source>STR_NET_NAME_BACKSLASH</source>
        <translation>the adapter name ends with a backslash</translation>
    </message>
    <message>
        <source>STR_NET_NETSH_NOT_STARTED</source>
        <translation>netsh could not be started (%1)</translation>
    </message>
    <message>
        <source>STR_NET_NMCLI_CRASHED</source>
        <translation>nmcli stopped unexpectedly (%1)</translation>
    </message>
    <message>
        <source>STR_NET_NMCLI_EXIT_CODE</source>
        <translation>nmcli failed with exit code %1</translation>
    </message>
    <message>
        <source>STR_NET_NMCLI_NOT_STARTED</source>
        <translation>nmcli could not be started; is NetworkManager&apos;s command-line tool installed? (%1)</translation>
    </message>
    <message>
        <source>STR_NET_NMCLI_TIMED_OUT</source>
        <translation>nmcli timed out</translation>
    </message>
    <message>
        <source>STR_NET_NMCLI_TOO_SLOW</source>
        <translation>nmcli did not finish in time</translation>
    </message>
    <message>
        <source>STR_NET_NM_NOT_RUNNING</source>
        <translation>NetworkManager is not running</translation>
    </message>
    <message>
        <source>STR_NET_NO_ADAPTER</source>
        <translation>no network adapter is selected</translation>
    </message>
    <message>
        <source>STR_NET_NO_PROFILE</source>
        <translation>no NetworkManager connection is active on %1</translation>
    </message>
    <message>
        <source>STR_NET_SET</source>
        <translation>Network settings</translation>
    </message>
    <message>
        <source>STR_NET_STILL_ACTIVATING</source>
        <translation>the settings were saved; the connection is still being activated</translation>
    </message>
    <message>
        <source>STR_NET_VALUE_BACKSLASH</source>
        <translation>the address %1 ends with a backslash</translation>
    </message>
    <message>
        <source>STR_REFRESH</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>STR_SELECT_NETCARD</source>
        <translation>Select NIC</translation>
    </message>
    <message>
        <source>STR_SUBNET</source>
        <translation>Subnet mask</translation>
    </message>
</context>
<context>
    <name>exportDlg</name>
    <message>
        <source>STR_CSV_FILE</source>
        <translation>CSV file</translation>
    </message>
    <message>
        <source>STR_DB_FILE</source>
        <translation>Database file</translation>
    </message>
    <message>
        <source>STR_EXPORT_CAN_BE_IMPORT</source>
        <translation>Exported file can be imported</translation>
    </message>
    <message>
        <source>STR_SELECT_EXPORT_FORMAT</source>
        <translation>Export to:</translation>
    </message>
</context>
</TS>
