<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Quilbex</name>
    <message>
        <source>Invalid profile file. This is not a Quilbex Pedals profile.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
