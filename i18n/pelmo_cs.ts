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
    <message>
        <source>Pelmo nemá povolené ovládání Finderu. Zapni ho v Nastavení systému › Soukromí a zabezpečení › Automatizace.</source>
        <translation>Pelmo nemůže použít správce souborů. Zkontroluj, že je správce souborů i jeho koš k dispozici.</translation>
    </message>
    <message>
        <source>Povol Pelmo ovládání Finderu v Nastavení systému › Soukromí a zabezpečení › Automatizace.</source>
        <translation>Pelmo nemůže použít správce souborů. Zkontroluj, že je správce souborů i jeho koš k dispozici.</translation>
    </message>
    <message>
        <source>Koš se nepodařilo vysypat. Zkus to ve Finderu.</source>
        <translation>Koš se nepodařilo vysypat. Zkus to ve správci souborů.</translation>
    </message>
    <message>
        <source>Koš se nepodařilo otevřít. Otevři ho ručně v Docku.</source>
        <translation>Koš se nepodařilo otevřít. Otevři ho ve správci souborů.</translation>
    </message>
    <message>
        <source>Oznámení nejsou povolená. Zapni je v Nastavení systému.</source>
        <translation>Oznámení nejsou k dispozici. Zkontroluj, že prostředí plochy oznámení zobrazuje.</translation>
    </message>
    <message>
        <source>Uvolni místo na Macu. Bezpečně.</source>
        <translation>Uvolni místo v počítači. Bezpečně.</translation>
    </message>
    <message>
        <source>macOS aplikace izoluje, proto je potřeba přístup potvrdit jednou. Můžeš ho kdykoli zrušit v Nastavení.</source>
        <translation>Přístup k domovské složce stačí potvrdit jednou. Můžeš ho kdykoli zrušit v Nastavení.</translation>
    </message>
    <message>
        <source>Tvůj Mac</source>
        <translation>Tvůj počítač</translation>
    </message>
    <message>
        <source>Prohledávám Mac…</source>
        <translation>Prohledávám počítač…</translation>
    </message>
    <message>
        <source>Mac je vyklizený</source>
        <translation>Počítač je vyklizený</translation>
    </message>
    <message>
        <source>macOS nedovolilo koš přečíst</source>
        <translation>Koš nejde přečíst</translation>
    </message>
    <message>
        <source>Otevřít ve Finderu</source>
        <translation>Otevřít ve správci souborů</translation>
    </message>
    <message>
        <source>macOS chrání koš před čtením. Položky přesunuté Pelmo najdeš v Historii a vrátit je můžeš odtamtud.</source>
        <translation>Koš nejde přečíst. Položky přesunuté Pelmo najdeš v Historii a vrátit je můžeš odtamtud.</translation>
    </message>
    <message>
        <source>Prohledat Mac</source>
        <translation>Prohledat počítač</translation>
    </message>
    <message>
        <source>Ukázat ve Finderu</source>
        <translation>Ukázat ve správci souborů</translation>
    </message>
    <message>
        <source>Ve Finderu</source>
        <translation>Ve správci souborů</translation>
    </message>
    <message>
        <source>Otevřít koš ve Finderu</source>
        <translation>Otevřít koš ve správci souborů</translation>
    </message>
    <message>
        <source>Tuhle aplikaci nelze odinstalovat (je od Applu nebo nemá platný balíček).</source>
        <translation>Tuhle aplikaci nelze odinstalovat (je součástí systému nebo nemá platný balíček).</translation>
    </message>
    <message>
        <source>Stejný soubor jsem ve Stažených, na ploše, v Dokumentech, Filmech, Obrázcích ani Hudbě nenašel.</source>
        <translation>Stejný soubor jsem ve Stažených, na ploše, v Dokumentech, Videích, Obrázcích ani Hudbě nenašel.</translation>
    </message>
    <message numerus="yes">
        <source>%lld položek · %@</source>
        <translation>
            <numerusform>%n položka · %@</numerusform>
            <numerusform>%n položky · %@</numerusform>
            <numerusform>%n položek · %@</numerusform>
        </translation>
    </message>
    <message>
        <source>Nesahá na systémové cache společnosti Apple (com.apple.*).</source>
        <translation>Nesahá na nic mimo tvou domovskou složku.</translation>
    </message>
    <message>
        <source>Jednoduchý a bezpečný úklid tvého Macu. Nic nemažeme natrvalo, vše jde nejdřív do koše.</source>
        <translation>Jednoduchý a bezpečný úklid tvého počítače. Nic nemažeme natrvalo, vše jde nejdřív do koše.</translation>
    </message>
    <message>
        <source>Vše se děje jen na tvém Macu.</source>
        <translation>Vše se děje jen na tvém počítači.</translation>
    </message>
    <message>
        <source>Vytvořeno s péčí pro Mac</source>
        <translation>Vytvořeno s péčí pro Linux</translation>
    </message>
    <message>
        <source>Odinstalace aplikací včetně zbytků v Knihovně</source>
        <translation>Odinstalace aplikací včetně jejich zbytků</translation>
    </message>
    <message>
        <source>Čeština a angličtina, ikona v horní liště, týdenní připomínka</source>
        <translation>Čeština a angličtina, ikona v systémové liště, týdenní připomínka</translation>
    </message>
    <message>
        <source>Když se aplikaci nepodaří přesunout, přetáhni ji do koše ve Finderu. Zbytky pak odstraní Pelmo.</source>
        <translation>Když se aplikaci nepodaří přesunout, přetáhni ji do koše ve správci souborů. Zbytky pak odstraní Pelmo.</translation>
    </message>
    <message>
        <source>Zbytky v Knihovně</source>
        <translation>Zbytky v domovské složce</translation>
    </message>
    <message>
        <source>Po téhle aplikaci jsem v Knihovně nic nenašel.</source>
        <translation>Po téhle aplikaci jsem v domovské složce nic nenašel.</translation>
    </message>
    <message>
        <source>Vlevo klikni na aplikaci nebo ji přetáhni na okno Pelmo. Najdu i její zbytky v Knihovně.</source>
        <translation>Vlevo klikni na aplikaci nebo ji přetáhni na okno Pelmo. Najdu i její zbytky.</translation>
    </message>
    <message numerus="yes">
        <source>před %lld dny</source>
        <translation>
            <numerusform>před %n dnem</numerusform>
            <numerusform>před %n dny</numerusform>
            <numerusform>před %n dny</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>před %lld měsíci</source>
        <translation>
            <numerusform>před měsícem</numerusform>
            <numerusform>před %n měsíci</numerusform>
            <numerusform>před %n měsíci</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>před %lld lety</source>
        <translation>
            <numerusform>před rokem</numerusform>
            <numerusform>před %n lety</numerusform>
            <numerusform>před %n lety</numerusform>
        </translation>
    </message>
</context>
</TS>
