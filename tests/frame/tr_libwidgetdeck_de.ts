<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>OkCancel</name>
    <message>
        <source>STR_OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>STR_CANCEL</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
