<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>frmDemo</name>
    <message>
        <source>档案文件</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>测试1</source>
        <translation>Test 1</translation>
    </message>
    <message>
        <source>测试2</source>
        <translation>Test 2</translation>
    </message>
    <message>
        <source>混合型</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>多页tif</source>
        <translation>Multi-page TIF</translation>
    </message>
    <message>
        <source>单页tif</source>
        <translation>Single-page TIF</translation>
    </message>
    <message>
        <source>单页jpg</source>
        <translation>Single-page JPG</translation>
    </message>
    <message>
        <source>文档类型</source>
        <translation>Document Type</translation>
    </message>
</context>
</TS>
