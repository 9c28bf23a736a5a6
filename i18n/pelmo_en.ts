<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en" sourcelanguage="cs">
<context>
    <name>Pelmo</name>
    <message>
        <source>Chybí příkaz</source>
        <translation>A command is missing</translation>
    </message>
    <message>
        <source>Neznámý příkaz %@</source>
        <translation>Unknown command %@</translation>
    </message>
    <message>
        <source>Neznámá volba %@</source>
        <translation>Unknown option %@</translation>
    </message>
    <message>
        <source>Volba %@ nebere hodnotu</source>
        <translation>Option %@ takes no value</translation>
    </message>
    <message>
        <source>Volba %@ potřebuje hodnotu</source>
        <translation>Option %@ needs a value</translation>
    </message>
    <message>
        <source>Volba %@ je zadaná víckrát</source>
        <translation>Option %@ is given more than once</translation>
    </message>
    <message>
        <source>Neočekávaný argument %@</source>
        <translation>Unexpected argument %@</translation>
    </message>
    <message>
        <source>Neznámý jazyk %@ (použij cs nebo en)</source>
        <translation>Unknown language %@ (use cs or en)</translation>
    </message>
    <message>
        <source>Hodnota %@ volby --threshold-mb není počet megabajtů</source>
        <translation>The value %@ of --threshold-mb is not a number of megabytes</translation>
    </message>
    <message>
        <source>Složka %@ neexistuje nebo ji nelze číst</source>
        <translation>The folder %@ does not exist or cannot be read</translation>
    </message>
    <message>
        <source>Domovská složka: %@</source>
        <translation>Home folder: %@</translation>
    </message>
    <message>
        <source>položek: %lld, celkem %@</source>
        <translation>items: %lld, total %@</translation>
    </message>
    <message>
        <source>… a dalších %lld</source>
        <translation>… and %lld more</translation>
    </message>
    <message>
        <source>Celkem lze uvolnit %@ (položek: %lld)</source>
        <translation>In all, %@ can be freed (items: %lld)</translation>
    </message>
    <message>
        <source>Prohledávám: %@…</source>
        <translation>Scanning: %@…</translation>
    </message>
    <message>
        <source>Cache aplikací</source>
        <translation>App caches</translation>
    </message>
    <message>
        <source>Dočasná data, která si aplikace samy vytvoří znovu.</source>
        <translation>Temporary data that apps create again by themselves.</translation>
    </message>
    <message>
        <source>Logy a hlášení</source>
        <translation>Logs and reports</translation>
    </message>
    <message>
        <source>Provozní logy a hlášení o pádech aplikací.</source>
        <translation>Activity logs and app crash reports.</translation>
    </message>
    <message>
        <source>Vývojářský odpad</source>
        <translation>Developer junk</translation>
    </message>
    <message>
        <source>Xcode, simulátory, npm a další nástroje.</source>
        <translation>Xcode, simulators, npm and other tools.</translation>
    </message>
    <message>
        <source>Zbytky po aplikacích</source>
        <translation>App leftovers</translation>
    </message>
    <message>
        <source>Data aplikací, které už na Macu nemáš.</source>
        <translation>Data of apps that are no longer on this computer.</translation>
    </message>
    <message>
        <source>Instalátory</source>
        <translation>Installers</translation>
    </message>
    <message>
        <source>Staré soubory DMG, PKG a ISO ve Stažených.</source>
        <translation>Old DMG, PKG and ISO files in Downloads.</translation>
    </message>
    <message>
        <source>Duplicitní soubory</source>
        <translation>Duplicate files</translation>
    </message>
    <message>
        <source>Identické soubory. Nejstarší kopie zůstane jako originál.</source>
        <translation>Identical files. The oldest copy stays as the original.</translation>
    </message>
    <message>
        <source>Velké soubory</source>
        <translation>Large files</translation>
    </message>
    <message>
        <source>Velké soubory, na které jsi možná zapomněl.</source>
        <translation>Large files you may have forgotten about.</translation>
    </message>
    <message>
        <source>Kopie souboru „%@“ · %@</source>
        <translation>Copy of “%@” · %@</translation>
    </message>
    <message>
        <source>Data aplikace</source>
        <translation>App data</translation>
    </message>
    <message>
        <source>Uložený stav oken</source>
        <translation>Saved window state</translation>
    </message>
    <message>
        <source>Síťová úložiště</source>
        <translation>Network storage</translation>
    </message>
    <message>
        <source>Data webového zobrazení</source>
        <translation>Web view data</translation>
    </message>
    <message>
        <source>%@ · aplikace %@ není nainstalovaná</source>
        <translation>%@ · app %@ is not installed</translation>
    </message>
    <message>
        <source>Cache Cargo</source>
        <translation>Cargo cache</translation>
    </message>
    <message>
        <source>Cache Go modulů</source>
        <translation>Go module cache</translation>
    </message>
    <message>
        <source>Cache Yarn</source>
        <translation>Yarn cache</translation>
    </message>
    <message>
        <source>Data aplikace Flatpak</source>
        <translation>Flatpak app data</translation>
    </message>
    <message>
        <source>Nastavení aplikace</source>
        <translation>App settings</translation>
    </message>
    <message>
        <source>Aplikace si cache vytvoří znovu</source>
        <translation>The app will create its cache again</translation>
    </message>
    <message>
        <source>Staré logy a hlášení o pádech</source>
        <translation>Old logs and crash reports</translation>
    </message>
    <message>
        <source>Xcode DerivedData – sestaví se znovu</source>
        <translation>Xcode DerivedData – rebuilt when needed</translation>
    </message>
    <message>
        <source>Podpora zařízení – stáhne se při dalším připojení</source>
        <translation>Device support – downloaded again at the next connection</translation>
    </message>
    <message>
        <source>Cache simulátorů</source>
        <translation>Simulator cache</translation>
    </message>
    <message>
        <source>Cache npm</source>
        <translation>npm cache</translation>
    </message>
    <message>
        <source>Cache Gradle</source>
        <translation>Gradle cache</translation>
    </message>
    <message>
        <source>Stáhne se znovu podle potřeby</source>
        <translation>Downloaded again when needed</translation>
    </message>
    <message>
        <source>Výsledek se nepodařilo zapsat</source>
        <translation>The result could not be written</translation>
    </message>
    <message>
        <source>Pelmo nemá povolené ovládání Finderu. Zapni ho v Nastavení systému › Soukromí a zabezpečení › Automatizace.</source>
        <translation>Pelmo may not use the file manager. Check that your desktop's file manager and its Trash are available.</translation>
    </message>
    <message>
        <source>Do koše přesunuto %@. Místo se uvolní po vysypání koše.</source>
        <translation>Moved %@ to the Trash. The space is freed when you empty the Trash.</translation>
    </message>
    <message>
        <source> Nepodařilo se přesunout: %lld.</source>
        <translation> Could not move: %lld.</translation>
    </message>
    <message>
        <source>Koš je vysypaný.</source>
        <translation>The Trash is empty.</translation>
    </message>
    <message>
        <source>Povol Pelmo ovládání Finderu v Nastavení systému › Soukromí a zabezpečení › Automatizace.</source>
        <translation>Pelmo may not use the file manager. Check that your desktop's file manager and its Trash are available.</translation>
    </message>
    <message>
        <source>Vysypání koše bylo zrušeno.</source>
        <translation>Emptying the Trash was cancelled.</translation>
    </message>
    <message>
        <source>Koš se nepodařilo vysypat. Zkus to ve Finderu.</source>
        <translation>The Trash could not be emptied. Try it in your file manager.</translation>
    </message>
    <message>
        <source>Koš se nepodařilo otevřít. Otevři ho ručně v Docku.</source>
        <translation>The Trash could not be opened. Open it in your file manager.</translation>
    </message>
    <message>
        <source>Položku se nepodařilo vrátit. Možná už není v koši, nebo její místo obsadil jiný soubor.</source>
        <translation>The item could not be put back. It may no longer be in the Trash, or another file has taken its place.</translation>
    </message>
    <message>
        <source>Vráceno na původní místo: %@</source>
        <translation>Put back where it was: %@</translation>
    </message>
    <message>
        <source>Povolit přístup</source>
        <translation>Allow access</translation>
    </message>
    <message>
        <source>Vyber svou domovskou složku (ta s tvým jménem) a potvrď tlačítkem „Povolit přístup“.</source>
        <translation>Choose your home folder (the one with your name) and confirm with “Allow access”.</translation>
    </message>
    <message>
        <source>Vybraná složka není tvoje domovská složka. Zkus to prosím znovu.</source>
        <translation>The chosen folder is not your home folder. Please try again.</translation>
    </message>
    <message>
        <source>Přístup se nepodařilo získat.</source>
        <translation>Access could not be granted.</translation>
    </message>
    <message>
        <source>Oznámení nejsou povolená. Zapni je v Nastavení systému.</source>
        <translation>Notifications are not available. Make sure your desktop shows notifications.</translation>
    </message>
    <message>
        <source>Připomínka zapnuta. Jednou týdně se ozvu, pokud bude co uklízet.</source>
        <translation>Reminder on. Once a week I will let you know if there is something to clean up.</translation>
    </message>
    <message>
        <source>Nastavení se nepodařilo uložit. Zkontroluj, zda je na disku místo.</source>
        <translation>The settings could not be saved. Check that there is space on the disk.</translation>
    </message>
    <message>
        <source>Čas na úklid</source>
        <translation>Time to clean up</translation>
    </message>
    <message>
        <source>Našel jsem %@ k uklizení. Nic se nesmaže, dokud to sám nepotvrdíš.</source>
        <translation>I found %@ to clean up. Nothing is removed until you confirm it.</translation>
    </message>
    <message>
        <source>Neznámá kategorie %@</source>
        <translation>Unknown category %@</translation>
    </message>
    <message>
        <source>Zvol právě jedno z --safe, --category a --item</source>
        <translation>Choose exactly one of --safe, --category and --item</translation>
    </message>
    <message>
        <source>Položku %@ prohledávání nenašlo</source>
        <translation>The scan did not find the item %@</translation>
    </message>
    <message>
        <source>Bez terminálu je potřeba potvrdit přesun volbou --yes</source>
        <translation>Without a terminal, confirm the move with --yes</translation>
    </message>
    <message>
        <source>Není co přesunout.</source>
        <translation>There is nothing to move.</translation>
    </message>
    <message>
        <source>Přesunout tyto položky do koše?</source>
        <translation>Move these items to the Trash?</translation>
    </message>
    <message>
        <source>Nic nebylo přesunuto.</source>
        <translation>Nothing was moved.</translation>
    </message>
    <message>
        <source>už není v koši</source>
        <translation>no longer in the Trash</translation>
    </message>
    <message>
        <source>Přesunuto celkem: %@ (položek: %lld)</source>
        <translation>Moved in all: %@ (items: %lld)</translation>
    </message>
    <message>
        <source>Chybí ID položky z historie</source>
        <translation>The ID of a history entry is missing</translation>
    </message>
    <message>
        <source>V historii není položka %@</source>
        <translation>The history holds no entry %@</translation>
    </message>
    <message>
        <source>Koš nelze přečíst.</source>
        <translation>The Trash cannot be read.</translation>
    </message>
    <message>
        <source>Neznámá akce %@ (použij list, empty nebo open)</source>
        <translation>Unknown action %@ (use list, empty or open)</translation>
    </message>
    <message>
        <source>Bez terminálu je potřeba potvrdit vysypání volbou --yes</source>
        <translation>Without a terminal, confirm emptying with --yes</translation>
    </message>
    <message>
        <source>Vysypat koš? Položky v něm se tím smažou natrvalo.</source>
        <translation>Empty the Trash? The items in it will be deleted for good.</translation>
    </message>
    <message>
        <source>Koš zůstal beze změny.</source>
        <translation>The Trash was left as it was.</translation>
    </message>
    <message>
        <source>Do koše: %@ (položek: %lld)</source>
        <translation>To the Trash: %@ (items: %lld)</translation>
    </message>
    <message>
        <source>V koši: %@ (položek: %lld)</source>
        <translation>In the Trash: %@ (items: %lld)</translation>
    </message>
    <message>
        <source>Uvolni místo na Macu. Bezpečně.</source>
        <translation>Free up space on your computer. Safely.</translation>
    </message>
    <message>
        <source>Pelmo najde nepotřebná data a přesune je do koše, takže je můžeš kdykoli vrátit zpět.</source>
        <translation>Pelmo finds data you do not need and moves it to the Trash, so you can always put it back.</translation>
    </message>
    <message>
        <source>Funguje offline</source>
        <translation>Works offline</translation>
    </message>
    <message>
        <source>Žádná data neodesílá a nic nesleduje.</source>
        <translation>It sends no data and tracks nothing.</translation>
    </message>
    <message>
        <source>Nejdřív do koše</source>
        <translation>Trash first</translation>
    </message>
    <message>
        <source>Nic se nemaže natrvalo, vždy to můžeš vrátit.</source>
        <translation>Nothing is deleted for good; you can always put it back.</translation>
    </message>
    <message>
        <source>Nic nehádá</source>
        <translation>No guessing</translation>
    </message>
    <message>
        <source>Nabízí jen známá umístění, která umí rozpoznat.</source>
        <translation>It offers only known places that it can recognise.</translation>
    </message>
    <message>
        <source>Povolit přístup k domovské složce</source>
        <translation>Allow access to the home folder</translation>
    </message>
    <message>
        <source>macOS aplikace izoluje, proto je potřeba přístup potvrdit jednou. Můžeš ho kdykoli zrušit v Nastavení.</source>
        <translation>Confirm once that Pelmo may look into your home folder. You can withdraw it in Settings at any time.</translation>
    </message>
    <message>
        <source>Přehled</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Čištění</source>
        <translation>Cleaning</translation>
    </message>
    <message>
        <source>Otevřít koš</source>
        <translation>Open Trash</translation>
    </message>
    <message>
        <source>Hledat v kategorii</source>
        <translation>Search in category</translation>
    </message>
    <message>
        <source>Prohledávám…</source>
        <translation>Scanning…</translation>
    </message>
    <message>
        <source>Tady je čisto</source>
        <translation>All clean here</translation>
    </message>
    <message>
        <source>V této kategorii není nic k uklizení.</source>
        <translation>There is nothing to clean up in this category.</translation>
    </message>
    <message>
        <source>Přesunout do koše</source>
        <translation>Move to Trash</translation>
    </message>
    <message>
        <source>Přesunout vybrané položky do koše?</source>
        <translation>Move the selected items to the Trash?</translation>
    </message>
    <message>
        <source>Soubory půjdou do koše, odkud je můžeš vrátit.</source>
        <translation>The files go to the Trash, from where you can put them back.</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>využito</source>
        <translation>used</translation>
    </message>
    <message>
        <source>Nikdy nenabízet</source>
        <translation>Never offer</translation>
    </message>
    <message>
        <source>Tvůj Mac</source>
        <translation>Your computer</translation>
    </message>
    <message>
        <source>Prohledat znovu</source>
        <translation>Scan again</translation>
    </message>
    <message>
        <source>Nalezeno</source>
        <translation>Found</translation>
    </message>
    <message>
        <source>Bezpečně k úklidu</source>
        <translation>Safe to clean</translation>
    </message>
    <message>
        <source>Celkem uvolněno</source>
        <translation>Freed in all</translation>
    </message>
    <message>
        <source>Prohledávám Mac…</source>
        <translation>Scanning your computer…</translation>
    </message>
    <message>
        <source>Může to chvíli trvat, hlavně u velkých složek.</source>
        <translation>This may take a while, especially with large folders.</translation>
    </message>
    <message>
        <source>Mac je vyklizený</source>
        <translation>Your computer is tidy</translation>
    </message>
    <message>
        <source>Nenašli jsme nic, co by stálo za uklizení. Zkus to znovu později.</source>
        <translation>We found nothing worth cleaning up. Try again later.</translation>
    </message>
    <message>
        <source>Co zabírá místo</source>
        <translation>What takes up space</translation>
    </message>
    <message>
        <source>Přesunout bezpečné položky do koše?</source>
        <translation>Move the safe items to the Trash?</translation>
    </message>
    <message>
        <source>Jde o cache, logy a vývojářský odpad. Vše můžeš z koše vrátit.</source>
        <translation>These are caches, logs and developer junk. You can put everything back from the Trash.</translation>
    </message>
    <message>
        <source>Volno </source>
        <translation>Free </translation>
    </message>
    <message>
        <source> z </source>
        <translation> of </translation>
    </message>
    <message>
        <source>Položek: </source>
        <translation>Items: </translation>
    </message>
    <message>
        <source>Nic k uklizení</source>
        <translation>Nothing to clean up</translation>
    </message>
    <message>
        <source>Podle velikosti</source>
        <translation>By size</translation>
    </message>
    <message>
        <source>Podle názvu</source>
        <translation>By name</translation>
    </message>
    <message>
        <source>Zrušit výběr</source>
        <translation>Deselect all</translation>
    </message>
    <message>
        <source>Vybrat vše</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Nic nevybráno</source>
        <translation>Nothing selected</translation>
    </message>
    <message>
        <source>Vybráno %lld · %@</source>
        <translation>Selected %lld · %@</translation>
    </message>
    <message>
        <source>Přesunout do koše (%@)</source>
        <translation>Move to Trash (%@)</translation>
    </message>
    <message>
        <source>Bezpečné</source>
        <translation>Safe</translation>
    </message>
    <message>
        <source>Zkontroluj</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>z </source>
        <translation>of </translation>
    </message>
    <message>
        <source> · k úklidu nalezeno </source>
        <translation> · found to clean up </translation>
    </message>
    <message>
        <source>Uklidit bezpečné (</source>
        <translation>Clean up safe items (</translation>
    </message>
    <message>
        <source>Přesunout do koše (</source>
        <translation>Move to Trash (</translation>
    </message>
    <message>
        <source>Nástroje</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Koš</source>
        <translation>Trash</translation>
    </message>
    <message>
        <source>Historie</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Vymazat historii</source>
        <translation>Clear history</translation>
    </message>
    <message>
        <source>Zatím žádná historie</source>
        <translation>No history yet</translation>
    </message>
    <message>
        <source>Po prvním úklidu tu uvidíš, co a kdy šlo do koše.</source>
        <translation>After the first clean-up you will see here what went to the Trash and when.</translation>
    </message>
    <message>
        <source>Přesunuto celkem</source>
        <translation>Moved in all</translation>
    </message>
    <message>
        <source>Položek</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>Vrátit zpět</source>
        <translation>Put back</translation>
    </message>
    <message>
        <source>Vymazat historii úklidů?</source>
        <translation>Clear the clean-up history?</translation>
    </message>
    <message>
        <source>Soubory v koši zůstanou, jen se zapomene záznam o nich.</source>
        <translation>The files stay in the Trash; only the record of them is forgotten.</translation>
    </message>
    <message>
        <source>Otevřít ve Finderu</source>
        <translation>Open in file manager</translation>
    </message>
    <message>
        <source>Vysypat koš</source>
        <translation>Empty Trash</translation>
    </message>
    <message>
        <source>Obsah koše není dostupný</source>
        <translation>The Trash's contents are not available</translation>
    </message>
    <message>
        <source>Koš je prázdný</source>
        <translation>The Trash is empty</translation>
    </message>
    <message>
        <source>macOS chrání koš před čtením. Položky přesunuté Pelmo najdeš v Historii a vrátit je můžeš odtamtud.</source>
        <translation>The Trash cannot be read. Items that Pelmo moved are in the History, and you can put them back from there.</translation>
    </message>
    <message>
        <source>Nic tu nezabírá místo.</source>
        <translation>Nothing takes up space here.</translation>
    </message>
    <message>
        <source>Vysypat koš?</source>
        <translation>Empty the Trash?</translation>
    </message>
    <message>
        <source>Položky v koši se smažou natrvalo. Tuto akci nelze vrátit.</source>
        <translation>The items in the Trash will be deleted for good. This cannot be undone.</translation>
    </message>
    <message>
        <source>Vysypat natrvalo</source>
        <translation>Delete for good</translation>
    </message>
    <message>
        <source>macOS nedovolilo koš přečíst</source>
        <translation>The Trash could not be read</translation>
    </message>
    <message numerus="yes">
        <source>%lld položek · %@</source>
        <translation><numerusform>%n item · %@</numerusform><numerusform>%n items · %@</numerusform></translation>
    </message>
    <message>
        <source>K úklidu nalezeno </source>
        <translation>Found to clean up </translation>
    </message>
    <message>
        <source>Otevřít Pelmo</source>
        <translation>Open Pelmo</translation>
    </message>
    <message>
        <source>Prohledat Mac</source>
        <translation>Scan computer</translation>
    </message>
    <message>
        <source>Týdenní připomínka</source>
        <translation>Weekly reminder</translation>
    </message>
    <message>
        <source>Ukončit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Přístup k souborům</source>
        <translation>Access to files</translation>
    </message>
    <message>
        <source>Povolená složka</source>
        <translation>Granted folder</translation>
    </message>
    <message>
        <source>Změnit povolení</source>
        <translation>Change access</translation>
    </message>
    <message>
        <source>Zrušit přístup</source>
        <translation>Withdraw access</translation>
    </message>
    <message>
        <source>Prohledávání</source>
        <translation>Scanning</translation>
    </message>
    <message>
        <source>Velké soubory od</source>
        <translation>Large files from</translation>
    </message>
    <message>
        <source>Změna se projeví při dalším prohledání.</source>
        <translation>The change takes effect with the next scan.</translation>
    </message>
    <message>
        <source>Jazyk</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Vyloučené položky</source>
        <translation>Excluded items</translation>
    </message>
    <message>
        <source>Nic nevyloučeno. Položku vyloučíš pravým klikem v seznamu.</source>
        <translation>Nothing excluded. Exclude an item with a right click in its list.</translation>
    </message>
    <message>
        <source>Odebrat</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Vyloučit složku…</source>
        <translation>Exclude a folder…</translation>
    </message>
    <message>
        <source>Co aplikace nikdy neudělá</source>
        <translation>What the app never does</translation>
    </message>
    <message>
        <source>Nesmaže nic, co nepozná – nabízí jen pevný seznam umístění.</source>
        <translation>It removes nothing it does not recognise – it offers only a fixed list of places.</translation>
    </message>
    <message>
        <source>Nemaže natrvalo – všechno jde nejdřív do koše.</source>
        <translation>It never deletes for good – everything goes to the Trash first.</translation>
    </message>
    <message>
        <source>Nesahá na systémové cache společnosti Apple (com.apple.*).</source>
        <translation>It touches nothing outside your home folder.</translation>
    </message>
    <message>
        <source>Neodesílá žádná data. Na internet se připojí jen kvůli kontrole nové verze, kterou vypneš v sekci O aplikaci.</source>
        <translation>It sends no data. It goes online only to check for a new version, which you can switch off under About.</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Místo na disku se uvolní až po vysypání koše.</source>
        <translation>Disk space is freed only when the Trash is emptied.</translation>
    </message>
    <message>
        <source>Restartovat Pelmo?</source>
        <translation>Restart Pelmo?</translation>
    </message>
    <message>
        <source>Aby se jazyk změnil, je potřeba aplikaci restartovat.</source>
        <translation>The app needs to restart for the language to change.</translation>
    </message>
    <message>
        <source>Restartovat</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Později</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Žádná</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Jazyk systému</source>
        <translation>System language</translation>
    </message>
    <message>
        <source>Vyloučit</source>
        <translation>Exclude</translation>
    </message>
    <message>
        <source>Ukázat ve Finderu</source>
        <translation>Show in file manager</translation>
    </message>
    <message>
        <source>Správce souborů se nepodařilo otevřít.</source>
        <translation>The file manager could not be opened.</translation>
    </message>
    <message>
        <source>Vybrat vše / zrušit výběr</source>
        <translation>Select all / deselect</translation>
    </message>
    <message>
        <source>Přesunout vybrané do koše</source>
        <translation>Move selected to Trash</translation>
    </message>
    <message>
        <source>Otevřít koš ve Finderu</source>
        <translation>Open Trash in file manager</translation>
    </message>
    <message>
        <source>Náhled</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Hotovo</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Položka už neexistuje.</source>
        <translation>The item no longer exists.</translation>
    </message>
    <message>
        <source>Náhled položky %@</source>
        <translation>Preview of %@</translation>
    </message>
    <message>
        <source>Pusť soubor nebo aplikaci sem</source>
        <translation>Drop a file or an app here</translation>
    </message>
    <message>
        <source>Hledám stejné kopie…</source>
        <translation>Looking for identical copies…</translation>
    </message>
    <message>
        <source>Žádné další kopie</source>
        <translation>No other copies</translation>
    </message>
    <message>
        <source>Stejný soubor jsem ve Stažených, na ploše, v Dokumentech, Filmech, Obrázcích ani Hudbě nenašel.</source>
        <translation>I found no identical file in Downloads, Desktop, Documents, Videos, Pictures or Music.</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Tuhle aplikaci nelze odinstalovat (je od Applu nebo nemá platný balíček).</source>
        <translation>This app can't be uninstalled (it is part of the system or has no valid bundle).</translation>
    </message>
    <message>
        <source>Počítám…</source>
        <translation>Calculating…</translation>
    </message>
    <message>
        <source>Kopie do koše (</source>
        <translation>Copies to Trash (</translation>
    </message>
    <message>
        <source>Do koše přesunuto %@, ale historii se nepodařilo uložit. Vrátit to půjde jen ze správce souborů.</source>
        <translation>Moved %@ to the Trash, but the history could not be saved. Only the file manager can put it back.</translation>
    </message>
    <message>
        <source> Změněno od prohledání, proto nepřesunuto: %lld.</source>
        <translation> Changed since the scan, so not moved: %lld.</translation>
    </message>
    <message>
        <source>Položka v koši už není ta, kterou Pelmo přesunulo. Nic se nevrátilo.</source>
        <translation>The item in the Trash is no longer the one Pelmo moved there. Nothing was put back.</translation>
    </message>
    <message>
        <source>Cesta k původnímu místu teď vede přes symbolický odkaz. Nic se nevrátilo.</source>
        <translation>The way to the original place now leads through a symbolic link. Nothing was put back.</translation>
    </message>
    <message>
        <source>%@ · nenašel jsem nainstalovanou aplikaci s tímto identifikátorem; nepoužito %lld dní</source>
        <translation>%@ · I found no installed application with this identifier; unused for %lld days</translation>
    </message>
    <message>
        <source>vybráno mimo hledání: %lld</source>
        <translation>selected outside the search: %lld</translation>
    </message>
    <message>
        <source>Přesunuto do koše: %@ (položek: %lld z %lld)</source>
        <translation>Moved to the Trash: %@ (items: %lld of %lld)</translation>
    </message>
    <message>
        <source>Použití: pelmo scan [--home SLOŽKA] [--threshold-mb N] [--exclude PŘEDPONA]... [--lang cs|en] [--json]
Prohledá domovskou složku a vypíše, co lze uvolnit.

  --home SLOŽKA        prohledá SLOŽKU místo domovské složky
  --threshold-mb N     soubory od N megabajtů jsou velké (jinak podle nastavení, 200)
  --exclude PŘEDPONA   vynechá položky, jejichž cesta začíná PŘEDPONOU; lze opakovat
  --lang cs|en         jazyk výpisu
  --json               vypíše jeden objekt JSON místo souhrnu
  -h, --help           vypíše tuto nápovědu</source>
        <translation>Usage: pelmo scan [--home FOLDER] [--threshold-mb N] [--exclude PREFIX]... [--lang cs|en] [--json]
Scans the home folder and prints what can be freed.

  --home FOLDER        scans FOLDER instead of the home folder
  --threshold-mb N     files of N megabytes or more are large (else the setting, 200)
  --exclude PREFIX     leaves out items whose path begins with PREFIX; may be repeated
  --lang cs|en         the language of the output
  --json               prints one JSON object instead of the summary
  -h, --help           prints this help</translation>
    </message>
    <message>
        <source>Použití: pelmo clean [--home SLOŽKA] (--safe | --category DRUH... | --item CESTA...) [--yes] [--json]
Prohledá domovskou složku a vybrané nalezené položky přesune do koše.
Každý přesun zapíše do historie, odkud jde položku vrátit.

  --home SLOŽKA        prohledá SLOŽKU místo domovské složky
  --safe               přesune položky označené jako bezpečné
  --category DRUH      přesune všechny položky kategorie: caches, logs, developer,
                       leftovers, installers, duplicates, largeFiles; lze opakovat
  --item CESTA         přesune nalezenou položku CESTA; lze opakovat
  --yes                neptá se (bez terminálu je povinná)
  --json               vypíše výsledek jako objekt JSON
  -h, --help           vypíše tuto nápovědu</source>
        <translation>Usage: pelmo clean [--home FOLDER] (--safe | --category KIND... | --item PATH...) [--yes] [--json]
Scans the home folder and moves the chosen items it found to the Trash.
Each move is written to the history, from where the item can be put back.

  --home FOLDER        scans FOLDER instead of the home folder
  --safe               moves the items marked safe
  --category KIND      moves every item of a category: caches, logs, developer,
                       leftovers, installers, duplicates, largeFiles; may be repeated
  --item PATH          moves the found item PATH; may be repeated
  --yes                does not ask (required without a terminal)
  --json               prints the outcome as a JSON object
  -h, --help           prints this help</translation>
    </message>
    <message>
        <source>Použití: pelmo history [--json]
Vypíše, co bylo přesunuto do koše, od nejnovějšího, s ID každé položky.

  --json               vypíše historii v uložené podobě (JSON)
  -h, --help           vypíše tuto nápovědu</source>
        <translation>Usage: pelmo history [--json]
Lists what was moved to the Trash, newest first, with the ID of each entry.

  --json               prints the history in its stored form (JSON)
  -h, --help           prints this help</translation>
    </message>
    <message>
        <source>Použití: pelmo restore ID
Vrátí položku historie s tímto ID z koše na původní místo. Nikdy nic nepřepíše.

  -h, --help           vypíše tuto nápovědu</source>
        <translation>Usage: pelmo restore ID
Puts the history entry with this ID back from the Trash where it was. Never replaces anything.

  -h, --help           prints this help</translation>
    </message>
    <message>
        <source>Použití: pelmo trash [list | empty | open] [--yes] [--json]
Vypíše, vysype nebo otevře tvoje koše.

  list                 vypíše položky v koši, největší první (výchozí)
  empty                vysype koš, po potvrzení
  open                 otevře koš ve správci souborů
  --yes                vysype bez ptaní (bez terminálu je povinná)
  --json               vypíše položky jako pole JSON
  -h, --help           vypíše tuto nápovědu</source>
        <translation>Usage: pelmo trash [list | empty | open] [--yes] [--json]
Lists, empties or opens your Trash.

  list                 lists the items in the Trash, largest first (the default)
  empty                empties the Trash, after asking
  open                 shows the Trash in the file manager
  --yes                empties without asking (required without a terminal)
  --json               prints the items as a JSON array
  -h, --help           prints this help</translation>
    </message>
    <message>
        <source>Uloženou historii nelze přečíst; Pelmo ji nepřepíše.</source>
        <translation>The stored history cannot be read; Pelmo will not overwrite it.</translation>
    </message>
    <message>
        <source>Odinstalace aplikací</source>
        <translation>Uninstall Apps</translation>
    </message>
    <message>
        <source>Právě běží</source>
        <translation>Running now</translation>
    </message>
    <message>
        <source>Aplikace</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Zbytky v Knihovně</source>
        <translation>Leftovers in the home folder</translation>
    </message>
    <message>
        <source>K uvolnění</source>
        <translation>To free</translation>
    </message>
    <message>
        <source>Aplikaci odinstaluje Flatpak (flatpak uninstall --user); její data najdeš níže mezi zbytky.</source>
        <translation>Flatpak removes the application (flatpak uninstall --user); its data is listed below among the leftovers.</translation>
    </message>
    <message>
        <source>Zbytky po aplikaci</source>
        <translation>Leftovers</translation>
    </message>
    <message>
        <source>Hledám zbytky…</source>
        <translation>Looking for leftovers…</translation>
    </message>
    <message>
        <source>Po téhle aplikaci jsem v Knihovně nic nenašel.</source>
        <translation>This application left nothing in your home folder.</translation>
    </message>
    <message>
        <source>K přesunu do koše: </source>
        <translation>To move to the Trash: </translation>
    </message>
    <message>
        <source>Aplikace právě běží. Nejdřív ji ukonči.</source>
        <translation>The application is running. Quit it first.</translation>
    </message>
    <message>
        <source>Když se aplikaci nepodaří přesunout, přetáhni ji do koše ve Finderu. Zbytky pak odstraní Pelmo.</source>
        <translation>If the application cannot be moved, drag it to the Trash in your file manager. Pelmo then removes the leftovers.</translation>
    </message>
    <message>
        <source>Ukončit aplikaci</source>
        <translation>Quit Application</translation>
    </message>
    <message>
        <source>Odinstalovat</source>
        <translation>Uninstall</translation>
    </message>
    <message>
        <source>Vyber aplikaci</source>
        <translation>Choose an application</translation>
    </message>
    <message>
        <source>Vlevo klikni na aplikaci nebo ji přetáhni na okno Pelmo. Najdu i její zbytky v Knihovně.</source>
        <translation>Click an application on the left or drop it on the Pelmo window. I will find its leftovers too.</translation>
    </message>
    <message>
        <source>Měřím velikosti…</source>
        <translation>Measuring sizes…</translation>
    </message>
    <message>
        <source>Největší aplikace</source>
        <translation>Largest applications</translation>
    </message>
    <message>
        <source>Hledat aplikaci</source>
        <translation>Search applications</translation>
    </message>
    <message>
        <source>Řazení</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>Načítám aplikace…</source>
        <translation>Loading applications…</translation>
    </message>
    <message>
        <source>Žádné aplikace</source>
        <translation>No applications</translation>
    </message>
    <message>
        <source>Nenašel jsem žádné aplikace, které by šly odinstalovat.</source>
        <translation>I found no applications that can be uninstalled.</translation>
    </message>
    <message>
        <source>Aplikaci můžeš také přetáhnout na okno Pelmo.</source>
        <translation>You can also drop an application on the Pelmo window.</translation>
    </message>
    <message>
        <source>Aplikací: %lld</source>
        <translation>Applications: %lld</translation>
    </message>
    <message>
        <source>Zbytky celkem: %@ (položek: %lld)</source>
        <translation>Leftovers in all: %@ (items: %lld)</translation>
    </message>
    <message>
        <source>Žádná aplikace k odinstalaci nemá ID %@</source>
        <translation>No application to uninstall has the ID %@</translation>
    </message>
    <message>
        <source>Nejdéle nepoužité</source>
        <translation>Least recently used</translation>
    </message>
    <message>
        <source>Dočasná data (cache)</source>
        <translation>Temporary data (caches)</translation>
    </message>
    <message>
        <source>Nastavení a cookies</source>
        <translation>Settings and cookies</translation>
    </message>
    <message>
        <source>Stav a logy</source>
        <translation>State and logs</translation>
    </message>
    <message>
        <source>Spouštěče a skripty</source>
        <translation>Launchers and scripts</translation>
    </message>
    <message>
        <source>Mohou obsahovat tvoje vlastní data, třeba uložené hry nebo knihovny.</source>
        <translation>May hold your own data, such as saved games or libraries.</translation>
    </message>
    <message>
        <source>dnes</source>
        <translation>today</translation>
    </message>
    <message>
        <source>včera</source>
        <translation>yesterday</translation>
    </message>
    <message numerus="yes">
        <source>před %lld dny</source>
        <translation><numerusform>%n day ago</numerusform><numerusform>%n days ago</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>před %lld měsíci</source>
        <translation><numerusform>%n month ago</numerusform><numerusform>%n months ago</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>před %lld lety</source>
        <translation><numerusform>%n year ago</numerusform><numerusform>%n years ago</numerusform></translation>
    </message>
    <message>
        <source>Použito %@</source>
        <translation>Used %@</translation>
    </message>
    <message>
        <source>Použití neznámé</source>
        <translation>Use unknown</translation>
    </message>
    <message>
        <source>Verze %@</source>
        <translation>Version %@</translation>
    </message>
    <message>
        <source>Aplikaci se nepodařilo ukončit. Ukonči ji ručně.</source>
        <translation>The application could not be quit. Quit it yourself.</translation>
    </message>
    <message>
        <source>Aplikace %@ je odinstalovaná.</source>
        <translation>%@ is uninstalled.</translation>
    </message>
    <message>
        <source>Aplikaci %@ se nepodařilo odinstalovat: %@</source>
        <translation>%@ could not be uninstalled: %@</translation>
    </message>
    <message>
        <source>O aplikaci</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Stáhnout</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>O aplikaci Pelmo</source>
        <translation>About Pelmo</translation>
    </message>
    <message>
        <source>Jednou týdně Pelmo prohledá domovskou složku a ozve se, když najde víc než 100 MB k uklizení. Spustí se k tomu po přihlášení na pozadí.</source>
        <translation>Once a week Pelmo scans your home folder and lets you know when it finds more than 100 MB to clean up. For this it starts in the background when you log in.</translation>
    </message>
    <message>
        <source>Jednoduchý a bezpečný úklid tvého Macu. Nic nemažeme natrvalo, vše jde nejdřív do koše.</source>
        <translation>Simple and safe cleaning of your computer. Nothing is deleted for good; everything goes to the Trash first.</translation>
    </message>
    <message>
        <source>Co je nového</source>
        <translation>What's new</translation>
    </message>
    <message>
        <source>Aktualizace</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Automaticky hledat nové verze</source>
        <translation>Check for new versions automatically</translation>
    </message>
    <message>
        <source>Zkontrolovat aktualizace</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>Máš nejnovější verzi</source>
        <translation>You have the latest version</translation>
    </message>
    <message>
        <source>Kontrola se nepovedla</source>
        <translation>The check failed</translation>
    </message>
    <message>
        <source>Soukromí</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Vše se děje jen na tvém Macu.</source>
        <translation>Everything happens on your computer only.</translation>
    </message>
    <message>
        <source>Žádná data se neodesílají ani neanalyzují.</source>
        <translation>No data is sent or analysed.</translation>
    </message>
    <message>
        <source>Přístup jen ke složce, kterou povolíš.</source>
        <translation>Access only to the folder you allow.</translation>
    </message>
    <message>
        <source>Mazání = přesun do koše, jde vrátit.</source>
        <translation>Deleting = moving to the Trash, which can be undone.</translation>
    </message>
    <message>
        <source>Na internet jen kvůli kontrole nové verze (jde vypnout).</source>
        <translation>Online only to check for a new version (can be switched off).</translation>
    </message>
    <message>
        <source>Napsat na podporu</source>
        <translation>Contact support</translation>
    </message>
    <message>
        <source>Podpořit vývoj</source>
        <translation>Support development</translation>
    </message>
    <message>
        <source>Web aplikace</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Vytvořeno s péčí pro Mac</source>
        <translation>Made with care for Linux</translation>
    </message>
    <message>
        <source>Spuštění po přihlášení se nepodařilo nastavit, připomínka poběží jen se zapnutým Pelmem.</source>
        <translation>Pelmo could not be set to start at login; the reminder works only while Pelmo runs.</translation>
    </message>
    <message>
        <source>Čištění cache, logů, vývojářského odpadu, zbytků a instalátorů</source>
        <translation>Cleaning of caches, logs, developer junk, leftovers and installers</translation>
    </message>
    <message>
        <source>Hledání duplicit a velkých souborů</source>
        <translation>Finding duplicates and large files</translation>
    </message>
    <message>
        <source>Odinstalace aplikací včetně zbytků v Knihovně</source>
        <translation>Uninstalling apps together with their leftovers</translation>
    </message>
    <message>
        <source>Mapa disku s barevnými dlaždicemi</source>
        <translation>Disk map with coloured tiles</translation>
    </message>
    <message>
        <source>Historie úklidu s možností vrátit položky zpět</source>
        <translation>Cleaning history with the option to put items back</translation>
    </message>
    <message>
        <source>Čeština a angličtina, ikona v horní liště, týdenní připomínka</source>
        <translation>Czech and English, a tray icon, a weekly reminder</translation>
    </message>
    <message>
        <source>Verze %@ (%@)</source>
        <translation>Version %@ (%@)</translation>
    </message>
    <message>
        <source>Nové verze jsou zdarma na %@. Pelmo se tam jednou denně podívá a nabídne ti je.</source>
        <translation>New versions are free at %@. Pelmo looks there once a day and offers them to you.</translation>
    </message>
    <message>
        <source>Je dostupná nová verze %@</source>
        <translation>A new version %@ is available</translation>
    </message>
    <message>
        <source>Je dostupná nová verze %@ %@</source>
        <translation>A new version of %@, %@, is available</translation>
    </message>
    <message>
        <source>Novou verzi si stáhneš zdarma z </source>
        <translation>Download the new version for free from </translation>
    </message>
    <message>
        <source>Mapa disku</source>
        <translation>Disk Map</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Změřit znovu</source>
        <translation>Measure again</translation>
    </message>
    <message>
        <source>Otevřít složku</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Ve Finderu</source>
        <translation>In the File Manager</translation>
    </message>
    <message>
        <source>Do koše</source>
        <translation>Move to Trash</translation>
    </message>
    <message>
        <source>Tuhle složku nechávám být, patří k systému.</source>
        <translation>I leave this folder alone; the system relies on it.</translation>
    </message>
    <message>
        <source>Vyber dlaždici</source>
        <translation>Pick a tile</translation>
    </message>
    <message>
        <source>Najeď na ni myší nebo klikni. Dvojklik otevře složku.</source>
        <translation>Point at it or click it. A double click opens a folder.</translation>
    </message>
    <message>
        <source>Největší položky</source>
        <translation>Largest items</translation>
    </message>
    <message>
        <source>Vše půjde do koše, odkud to můžeš vrátit.</source>
        <translation>Everything goes to the Trash, from where you can put it back.</translation>
    </message>
    <message>
        <source>Zvýraznit jen tento druh</source>
        <translation>Highlight only this kind</translation>
    </message>
    <message>
        <source>Tady nic není</source>
        <translation>Nothing here</translation>
    </message>
    <message>
        <source>Složka je prázdná nebo se do ní nedostanu.</source>
        <translation>The folder is empty or I cannot get into it.</translation>
    </message>
    <message>
        <source>Použití: pelmo map [--home SLOŽKA] [SLOŽKA] [--json]
Změří položky SLOŽKY (bez ní domovské složky), největší první, s druhem, velikostí
na disku a podílem, a součty podle druhu. SLOŽKA musí ležet v domovské složce.

  --home SLOŽKA        domovská složka místo té z nastavení
  --json               vypíše jeden objekt JSON místo souhrnu
  -h, --help           vypíše tuto nápovědu</source>
        <translation>Usage: pelmo map [--home FOLDER] [FOLDER] [--json]
Measures the items of FOLDER (without it, of the home folder), largest first, with their kind,
size on disk and share, and the totals per kind. FOLDER must lie inside the home folder.

  --home FOLDER        the home folder instead of the one in the settings
  --json               prints one JSON object instead of the summary
  -h, --help           prints this help</translation>
    </message>
    <message>
        <source>Složka %@ neleží v domovské složce</source>
        <translation>The folder %@ is not inside the home folder</translation>
    </message>
    <message>
        <source>Složka: %@</source>
        <translation>Folder: %@</translation>
    </message>
    <message>
        <source>Podle druhu:</source>
        <translation>By kind:</translation>
    </message>
    <message>
        <source>Celkem %@ (položek: %lld)</source>
        <translation>Total %@ (items: %lld)</translation>
    </message>
    <message>
        <source>Složky</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Programy</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Obrázky</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Videa</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>Hudba a zvuk</source>
        <translation>Music and Audio</translation>
    </message>
    <message>
        <source>Dokumenty</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Archivy a obrazy</source>
        <translation>Archives and Disk Images</translation>
    </message>
    <message>
        <source>Kód a data</source>
        <translation>Code and Data</translation>
    </message>
    <message>
        <source>Ostatní</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Domů</source>
        <translation>Home</translation>
    </message>
    <message>
        <source> obsahu této složky</source>
        <translation> of this folder</translation>
    </message>
    <message>
        <source>Přesunout „%@“ do koše?</source>
        <translation>Move “%@” to the Trash?</translation>
    </message>
    <message>
        <source>Sekce</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>Vymazat hledání</source>
        <translation>Clear search</translation>
    </message>
    <message>
        <source>Využití disku</source>
        <translation>Disk usage</translation>
    </message>
    <message>
        <source>Graf uvolněného místa za posledních 30 dní</source>
        <translation>Chart of space freed in the last 30 days</translation>
    </message>
    <message>
        <source>Za posledních 30 dní se nic nepřesunulo.</source>
        <translation>Nothing was moved in the last 30 days.</translation>
    </message>
    <message>
        <source>Zvol jen jedno z --related a --uninstall</source>
        <translation>Choose only one of --related and --uninstall</translation>
    </message>
    <message>
        <source>Volby --keep a --yes patří k --uninstall</source>
        <translation>The options --keep and --yes go with --uninstall</translation>
    </message>
    <message>
        <source>Použití:
  pelmo scan [--home SLOŽKA] [--threshold-mb N] [--exclude PŘEDPONA]... [--lang cs|en] [--json]
  pelmo clean [--home SLOŽKA] (--safe | --category DRUH... | --item CESTA...) [--yes] [--json]
  pelmo map [--home SLOŽKA] [SLOŽKA] [--json]
  pelmo history [--json]
  pelmo restore ID
  pelmo trash [list | empty | open] [--yes] [--json]
  pelmo apps [--related ID] [--json]
  pelmo apps --uninstall ID [--keep CESTA]... [--yes]</source>
        <translation>Usage:
  pelmo scan [--home FOLDER] [--threshold-mb N] [--exclude PREFIX]... [--lang cs|en] [--json]
  pelmo clean [--home FOLDER] (--safe | --category KIND... | --item PATH...) [--yes] [--json]
  pelmo map [--home FOLDER] [FOLDER] [--json]
  pelmo history [--json]
  pelmo restore ID
  pelmo trash [list | empty | open] [--yes] [--json]
  pelmo apps [--related ID] [--json]
  pelmo apps --uninstall ID [--keep PATH]... [--yes]</translation>
    </message>
    <message>
        <source>Použití: pelmo [PŘÍKAZ] [VOLBY]
Bez příkazu otevře okno; bez displeje prohledá domovskou složku jako pelmo scan.
Nic nemaže: co uklidí, přesune do koše, odkud to jde vrátit.

Příkazy:
  scan      prohledá domovskou složku a vypíše, co lze uvolnit
  clean     přesune vybrané nalezené položky do koše
  map       změří, co zabírá místo ve složce, podle položek a druhů
  history   vypíše, co bylo přesunuto do koše
  restore   vrátí položku z historie na původní místo
  trash     vypíše, vysype nebo otevře koš
  apps      vypíše aplikace k odinstalaci nebo zbytky jedné z nich, nebo ji odinstaluje

Volby:
  -h, --help   vypíše tuto nápovědu
  --version    vypíše verzi

Nápověda k příkazu: pelmo PŘÍKAZ --help</source>
        <translation>Usage: pelmo [COMMAND] [OPTIONS]
Without a command, opens the window; without a display, scans the home folder as pelmo scan does.
Deletes nothing: what it cleans up goes to the Trash, from where it can be put back.

Commands:
  scan      scans the home folder and prints what can be freed
  clean     moves chosen items of the scan to the Trash
  map       measures what takes up space in a folder, by item and kind
  history   lists what was moved to the Trash
  restore   puts an entry of the history back where it was
  trash     lists, empties or opens the Trash
  apps      lists the applications to uninstall or what one of them left, or uninstalls it

Options:
  -h, --help   prints this help
  --version    prints the version

Help on a command: pelmo COMMAND --help</translation>
    </message>
    <message>
        <source>Použití: pelmo apps [--related ID] [--json]
       pelmo apps --uninstall ID [--keep CESTA]... [--yes]
Vypíše aplikace, které jde odinstalovat, největší první, s velikostí.

  --related ID         vypíše po skupinách zbytky aplikace s tímto ID (nebo cestou),
                       které by odinstalace nabídla k přesunu do koše
  --uninstall ID       odinstaluje aplikaci: ji i její zbytky přesune do koše
                       (Flatpak odinstaluje příkazem flatpak, to nejde vrátit)
  --keep CESTA         tenhle zbytek nechá na místě (lze zadat víckrát)
  --yes                odinstaluje bez ptaní (bez terminálu je povinná)
  --json               vypíše jeden objekt JSON
  -h, --help           vypíše tuto nápovědu</source>
        <translation>Usage: pelmo apps [--related ID] [--json]
       pelmo apps --uninstall ID [--keep PATH]... [--yes]
Lists the applications that can be uninstalled, largest first, with their sizes.

  --related ID         lists, grouped, the leftovers of the application with this ID (or path)
                       that uninstalling it would offer to move to the Trash
  --uninstall ID       uninstalls the application: moves it and its leftovers to the Trash
                       (a Flatpak is removed with flatpak, which cannot be undone)
  --keep PATH          leaves this leftover where it is (may be given several times)
  --yes                uninstalls without asking (required without a terminal)
  --json               prints one JSON object
  -h, --help           prints this help</translation>
    </message>
    <message>
        <source>  odinstaluje se příkazem flatpak (nejde vrátit): %@</source>
        <translation>  removed with flatpak (cannot be undone): %@</translation>
    </message>
    <message>
        <source>Položka %@ k této aplikaci nepatří</source>
        <translation>Item %@ does not belong to this application</translation>
    </message>
    <message>
        <source>Odinstalovat aplikaci a přesunout tyto položky do koše?</source>
        <translation>Uninstall the application and move these items to the Trash?</translation>
    </message>
    <message>
        <source>„%@“ leží mimo domovskou složku. Nic se nevrátilo.</source>
        <translation>“%@” lies outside the home folder. Nothing was put back.</translation>
    </message>
    <message>
        <source>Soubor nastavení %@ není obyčejný soubor. Pelmo ho nečte ani nepřepíše a nic neudělalo.</source>
        <translation>The settings file %@ is not a regular file. Pelmo neither reads nor replaces it, and did nothing.</translation>
    </message>
    <message>
        <source>Soubor nastavení %@ není obyčejný soubor. Pelmo ho nečte ani nepřepíše, takže se změny nastavení neuloží.</source>
        <translation>The settings file %@ is not a regular file. Pelmo neither reads nor replaces it, so changes to the settings are not saved.</translation>
    </message>
    <message>
        <source>Vráceno na původní místo: %@. Historii se ale nepodařilo uložit, položka v ní zůstává.</source>
        <translation>Put back where it was: %@. But the history could not be saved, so the entry stays in it.</translation>
    </message>
    <message>
        <source> Historie si pamatuje jen prvních %lld z nich.</source>
        <translation> The history keeps only the first %lld of them.</translation>
    </message>
    <message>
        <source>jen podle názvu</source>
        <translation>matched by name only</translation>
    </message>
    <message>
        <source>Repozitář Maven</source>
        <translation>Maven repository</translation>
    </message>
    <message>
        <source>Distribuce Gradle Wrapper</source>
        <translation>Gradle Wrapper distributions</translation>
    </message>
    <message>
        <source>Úložiště pnpm</source>
        <translation>pnpm store</translation>
    </message>
    <message>
        <source>Balíčky conda</source>
        <translation>conda packages</translation>
    </message>
    <message>
        <source>Balíčky NuGet</source>
        <translation>NuGet packages</translation>
    </message>
    <message>
        <source>Rozbalené zdroje Cargo</source>
        <translation>Unpacked Cargo sources</translation>
    </message>
    <message>
        <source>Git checkouty Cargo</source>
        <translation>Cargo git checkouts</translation>
    </message>
    <message>
        <source>Stažené soubory rustup</source>
        <translation>rustup downloads</translation>
    </message>
    <message>
        <source>Dočasné soubory rustup</source>
        <translation>rustup temporary files</translation>
    </message>
    <message>
        <source>Cache Pub (Dart)</source>
        <translation>Pub cache (Dart)</translation>
    </message>
    <message>
        <source>Cache Androidu</source>
        <translation>Android cache</translation>
    </message>
    <message>
        <source>Hlášení o pádu Javy – zkontroluj, jestli ho ještě potřebuješ</source>
        <translation>Java crash report – check whether you still need it</translation>
    </message>
    <message>
        <source>Stáhne se znovu podle potřeby, ale sestavení bez připojení ho potřebuje</source>
        <translation>Downloaded again when needed, but builds without a network need it</translation>
    </message>
</context>
</TS>