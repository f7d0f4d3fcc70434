<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Återställ standardvärden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorera</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ej till alla</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Spara alla</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Förkasta</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja till &amp;alla</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Stäng utan att spara</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öppna</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Filer</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Visa </translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>”%1” är skrivskyddad.
Vill du ta bort den ändå?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Är du säker på att du vill ta bort ”%1”?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lista över platser och bokmärken</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Fil&amp;namn:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Ny mapp</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Överordnad mapp</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Ny mapp</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Leta i:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Skapa en ny mapp</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Filtyp:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Välj mapp</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Visa &amp;dolda filer</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Spara som</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Mappen hittades inte.
Kontrollera att rätt mappnamn angavs.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Sidopanel</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Listvy</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Välj</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alla filer (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alla filer (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Mappar</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Byt namn</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Det gick inte att ta bort mappen.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Mapp:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 finns redan.
Vill du ersätta den?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Framåt</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Gå framåt</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Gå till överordnad mapp</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Senaste platser</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Gå bakåt</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Byt till detaljvy</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Skapa ny mapp</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detaljvy</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Filen hittades inte.
Kontrollera att rätt filnamn angavs.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Byt till listvy</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Storlek</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Min dator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Dator</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Ändringsdatum</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Filmapp</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Mapp</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Okänd</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Länk</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Visa detaljer...</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Om Qt</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Dölj detaljer...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Om Qt&lt;/h3&gt;&lt;p&gt;Det här programmet använder Qt version %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt är en verktygslåda i C++ för programutveckling för flera plattformar.&lt;/p&gt;&lt;p&gt;Qt gör samma källkod flyttbar mellan alla större operativsystem för skrivbordsdatorer. Qt finns också för inbyggda Linuxsystem och andra inbyggda och mobila operativsystem.&lt;/p&gt;&lt;p&gt;Qt finns under flera olika licensalternativ, utformade för att tillgodose behoven hos våra olika användare.&lt;/p&gt;&lt;p&gt;Qt licensierat under vårt kommersiella licensavtal passar för utveckling av proprietär/kommersiell programvara där du inte vill dela någon källkod med tredje part eller på annat sätt inte kan uppfylla villkoren i GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensierat under GNU (L)GPL passar för utveckling av Qt-program, förutsatt att du kan uppfylla villkoren i respektive licens.&lt;/p&gt;&lt;p&gt;Se &lt;a href="http://%2/"&gt;%2&lt;/a&gt; för en översikt över Qt:s licenser.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd och andra bidragsgivare.&lt;/p&gt;&lt;p&gt;Qt och Qt-logotypen är varumärken som tillhör The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt är en produkt från The Qt Company Ltd som utvecklas som ett projekt med öppen källkod. Se &lt;a href="http://%3/"&gt;%3&lt;/a&gt; för mer information.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Klistra &amp;in</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera allt</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Klistra &amp;in</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera allt</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopiera &amp;länkadress</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>Stega &amp;nedåt</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Stega uppåt</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Markera allt</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Even Pages</source>
        <translation>Jämna sidor</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Alternativ &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Alternativ &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Vänster till höger, uppifrån och ned</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Höger till vänster, nedifrån och upp</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Skriv PDF-fil</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Skriv ut</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>Alternativen ”Sidor per ark” och ”Sidurval” kan inte användas samtidigt.
Stäng av ett av dem.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 finns redan.
Vill du skriva över den?</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Vänster till höger, nedifrån och upp</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Udda sidor</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Lokal fil</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Inställningarna för dubbelsidig utskrift står i konflikt med varandra. Vill du rätta till dem?</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Skriv ut till fil (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Skriv ut till fil ...</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Ogiltig sidangivelse</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 har inte rätt syntax. Skilj intervall och sidor åt med ”,”, ange intervall med ”-” och se till att intervallen inte överlappar varandra.</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Höger till vänster, uppifrån och ned</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Nedifrån och upp, vänster till höger</translation>
    </message>
    <message>
        <source>The 'From' value cannot be greater than the 'To' value.</source>
        <translation>Värdet för ”från” får inte vara större än värdet för ”till”.</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Alla sidor</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Konflikt i inställningarna för dubbelsidig utskrift</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 är en mapp.
Välj ett annat filnamn.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Det går inte att skriva till filen %1.
Välj ett annat filnamn.</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Nedifrån och upp, höger till vänster</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Uppifrån och ned, vänster till höger</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Uppifrån och ned, höger till vänster</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Namn:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Utdata&amp;fil:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Egenskaper</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Förhandsgranska</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Skrivare</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Plats:</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>to</source>
        <translation>till</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Färg</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Skriv ut allt</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sidor</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Aktuell sida</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Markering</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Kopior</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Utskriftsintervall</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Färgläge</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Utdatainställningar</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Omvänd ordning</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Gråskala</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Sortera</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopior:</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Bindning längs kortsidan</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Ange sidor eller intervall åtskilda med kommatecken. Ett intervall anges med två tal åtskilda av ett bindestreck. Till exempel skriver 3,5-7,9 ut sidorna 3, 5, 6, 7 och 9.</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Sidor från</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Dubbelsidig utskrift</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Sidurval:</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Bindning längs långsidan</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Sida</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Vissa alternativ står i konflikt med varandra. Rätta till dem.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancerat</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Konflikt i avancerade alternativ</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Jobbalternativ</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Konflikt i sidinställningarna</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Vissa avancerade alternativ står i konflikt med varandra. Vill du rätta till dem?</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Sidinställningarna står i konflikt med varandra. Vill du rätta till dem?</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Skrivaregenskaper</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>in</source>
        <translation>tum</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>nedre marginal</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papper</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Papperskälla:</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>höger marginal</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marginaler</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Anpassad</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggande</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Sidlayout</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Bredd:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientering</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Stående</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Sidordning:</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>övre marginal</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>vänster marginal</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Sidstorlek:</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Omvänt stående</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Millimeter (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Punkter (pt)</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Sidor per ark:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Tum</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Omvänt liggande</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höjd:</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Jobb</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Slut:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Inget</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Försättsblad</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Natt (18:00 till 05:59)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Angiven tid</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Faktureringsinformation:</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Schemalagd utskrift:</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Hemlig</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Topphemlig</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Början:</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Dag (06:00 till 17:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Andra skiftet (16:00 till 23:59)</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Jobbhantering</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Helg (lördag till söndag)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Sekretessbelagd</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Tredje skiftet (00:00 till 07:59)</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Håll kvar tills vidare</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Skriv ut direkt</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Konfidentiell</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Jobbprioritet:</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Ej sekretessbelagd</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>Autentisering krävs för att använda %1 på %2.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>Autentisering krävs för att använda %1.</translation>
    </message>
    <message>
        <source>Authentication Needed</source>
        <translation>Autentisering krävs</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lösenord:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Användarnamn:</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Förhandsgranskning</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Anpassa till sida</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zooma in</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggande</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zooma ut</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Anpassa till bredd</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Stående</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Sidinställningar</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Sidinställningar</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>Visa översikt över alla sidor</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Första sidan</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Sista sidan</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>Visa en sida</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Exportera till PDF</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Föregående sida</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nästa sida</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>Visa uppslag</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translation>A9</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>B6</source>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translation>B9</translation>
    </message>
    <message>
        <source>A10</source>
        <translation>A10</translation>
    </message>
    <message>
        <source>B10</source>
        <translation>B10</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Letter / ANSI A</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Kuvert Monarch</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Architect A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Architect B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Architect C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Architect D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Architect E</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Letter Extra</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Letter liten</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Kuvert You 4</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Kuvert US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Kuvert US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Kuvert US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Kuvert US 14</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Kuvert PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Kuvert PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Kuvert PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Kuvert PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Kuvert PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Kuvert PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Kuvert PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Kuvert PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Kuvert PRC 9</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Kuvert C65</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Kuvert DL</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Kuvert B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Kuvert B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Kuvert B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Kuvert C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Kuvert C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Kuvert C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Kuvert C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Kuvert C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Kuvert C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Kuvert C6</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Kuvert C7</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7,5 x 10 tum)</translation>
    </message>
    <message>
        <source>ANSI C</source>
        <translation>ANSI C</translation>
    </message>
    <message>
        <source>ANSI D</source>
        <translation>ANSI D</translation>
    </message>
    <message>
        <source>ANSI E</source>
        <translation>ANSI E</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 Plus</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Anpassad</translation>
    </message>
    <message>
        <source>JIS B0</source>
        <translation>JIS B0</translation>
    </message>
    <message>
        <source>JIS B1</source>
        <translation>JIS B1</translation>
    </message>
    <message>
        <source>JIS B2</source>
        <translation>JIS B2</translation>
    </message>
    <message>
        <source>JIS B3</source>
        <translation>JIS B3</translation>
    </message>
    <message>
        <source>JIS B4</source>
        <translation>JIS B4</translation>
    </message>
    <message>
        <source>JIS B5</source>
        <translation>JIS B5</translation>
    </message>
    <message>
        <source>JIS B6</source>
        <translation>JIS B6</translation>
    </message>
    <message>
        <source>JIS B7</source>
        <translation>JIS B7</translation>
    </message>
    <message>
        <source>JIS B8</source>
        <translation>JIS B8</translation>
    </message>
    <message>
        <source>JIS B9</source>
        <translation>JIS B9</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translation>A3 Extra</translation>
    </message>
    <message>
        <source>PRC 16K</source>
        <translation>PRC 16K</translation>
    </message>
    <message>
        <source>PRC 32K</source>
        <translation>PRC 32K</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K stor</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 Extra</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 liten</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7,25 x 10,5 tum)</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Vykort</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>Tabloid / ANSI B</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 Extra</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 Extra</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Inbjudningskuvert</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Kuvert Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Kuvert Chou 4</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Leporellopapper, tyskt (8,5 x 12 tum)</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Kuvert PRC 10</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Kuvert Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Kuvert Kaku 3</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Kuvert US 9</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 tum</translation>
    </message>
    <message>
        <source>Super A</source>
        <translation>Super A</translation>
    </message>
    <message>
        <source>Super B</source>
        <translation>Super B</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Leporellopapper, US (14,875 x 11 tum)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Leporellopapper, tyskt Legal (8,5 x 13 tum)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Anpassad (%1 tum x %2 tum)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Anpassad (%1 mm x %2 mm)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Anpassad (%1 CC x %2 CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Anpassad (%1 DD x %2 DD)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Anpassad (%1 pc x %2 pc)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Anpassad (%1 pt x %2 pt)</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Letter Plus</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloid Extra</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Italienskt kuvert</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Dubbelt vykort</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal Extra</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8,27 x 13 tum)</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>Ledger / ANSI B</translation>
    </message>
    <message>
        <source>JIS B10</source>
        <translation>JIS B10</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Kuvert Personal</translation>
    </message>
</context>
<context>
    <name>Print Device Input Slot</name>
    <message>
        <source>Automatic</source>
        <translation>Automatiskt</translation>
    </message>
</context>
<context>
    <name>Print Device Output Bin</name>
    <message>
        <source>Automatic</source>
        <translation>Automatiskt</translation>
    </message>
</context>
</TS>
