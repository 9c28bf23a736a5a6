<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="cs">
<!-- Only the Czech texts that name macOS things, reworded for a Linux desktop; every
     other Czech text is shown as its key. -->
<context>
    <name>Pelmo</name>
    <message>
        <source>Data aplikací, které už na Macu nemáš.</source>
        <translation>Data aplikací, které už v počítači nemáš.</translation>
    </message>
</context>
</TS>
