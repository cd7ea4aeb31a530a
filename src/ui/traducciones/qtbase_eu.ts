<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu">
<!-- The save and print dialogs of the toolkit in Basque, which the toolkit itself does not ship. -->
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Atzera</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fitxategia</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ireki</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ireki</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Gorde</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Aliasa</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unitatea</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fitxategiak</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Erakutsi </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>«%1» idazketaren aurka babestuta dago.
Hala ere ezabatu nahi duzu?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Ziur zaude «%1» ezabatu nahi duzula?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lekuen eta laster-marken zerrenda</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Fitxategi-&amp;izena:</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Karpeta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Karpeta berria</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Karpeta</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Goiko direktorioa</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Karpeta &amp;berria</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kendu</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Nire ordenagailua</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Begiratu hemen:</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Sortu karpeta berri bat</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1 fitxategia</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fitxategi mota:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Bilatu direktorioa</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Erakutsi fitxategi &amp;ezkutuak</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Gorde honela</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Ez da direktorioa aurkitu.
Egiaztatu direktorioaren izena zuzena dela.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Alboko barra</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Zerrenda-ikuspegia</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Aukeratu</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Ezabatu</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Fitxategi guztiak (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Fitxategi guztiak (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Direktorioak</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Aldatu izena</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Ezin izan da direktorioa ezabatu.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Direktorioa:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ezezaguna</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 badago lehendik.
Ordeztu nahi duzu?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Aurrera</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Joan aurrera</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Joan goiko direktoriora</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Azken lekuak</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Joan atzera</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Aldatu ikuspegi xehatura</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Sortu karpeta berria</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Lasterbidea</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Ikuspegi xehatua</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Ez da fitxategia aurkitu.
Egiaztatu fitxategiaren izena zuzena dela.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Aldatu zerrenda-ikuspegira</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Mota</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Izena</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaina</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Mota</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;Ezin da «%1» izena erabili.&lt;/b&gt;&lt;p&gt;Erabili beste izen bat, karaktere gutxiagorekin edo puntuazio-ikurrik gabe.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Nire ordenagailua</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenagailua</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Fitxategi-izen baliogabea</translation>
    </message>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Aldatze-data</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ez</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Bai</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ireki</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gorde</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abortatu</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplikatu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Itxi</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Berrezarri</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Saiatu berriro</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Leheneratu lehenetsiak</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Utzi</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ez ikusi egin</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>&amp;Ez guztiei</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Gorde guztiak</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Baztertu</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Bai &amp;guztiei</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Erakutsi xehetasunak...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ezkutatu xehetasunak...</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Qt-ri buruz</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Qt-ri buruz&lt;/h3&gt;&lt;p&gt;Programa honek Qt-ren %1 bertsioa erabiltzen du.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Orrialde bikoitiak</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Inprimatu</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Aukerak &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Aukerak &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Ezkerretik eskuinera, goitik behera</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Eskuinetik ezkerrera, behetik gora</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Idatzi PDF fitxategia</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Inprimatu</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>«Orrialdeak orriko» eta «Orrialde multzoa» aukerak ezin dira batera erabili.
Desaktibatu horietako bat.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 badago lehendik.
Gainidatzi nahi duzu?</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Ezkerretik eskuinera, behetik gora</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Orrialde bakoitiak</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Fitxategi lokala</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Inprimatu fitxategira (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Inprimatu fitxategira...</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatikoa</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Eskuinetik ezkerrera, goitik behera</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Behetik gora, ezkerretik eskuinera</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>«Nondik» balioa ezin da «Nora» balioa baino handiagoa izan.</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Orrialde guztiak</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 direktorio bat da.
Aukeratu beste fitxategi-izen bat.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Ezin da %1 fitxategian idatzi.
Aukeratu beste fitxategi-izen bat.</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Behetik gora, eskuinetik ezkerrera</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Goitik behera, ezkerretik eskuinera</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Goitik behera, eskuinetik ezkerrera</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>to</source>
        <translation>hona:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formularioa</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Bat ere ez</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Koloretan</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Inprimatu dena</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Uneko orrialdea</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Hautapena</translation>
    </message>
    <message>
        <source>Long side</source>
        <translation>Alde luzea</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Kopiak</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Inprimatzeko tartea</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Kolore modua</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Aukerak</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Irteerako ezarpenak</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Alderantziz</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Gris-eskalan</translation>
    </message>
    <message>
        <source>Short side</source>
        <translation>Alde laburra</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Ordenatu kopiak</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopiak:</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Orrialdeak, hemendik:</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Orrialde multzoa:</translation>
    </message>
    <message>
        <source>Duplex Printing</source>
        <translation>Bi aldeetatik inprimatzea</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularioa</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Mota:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Izena:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Irteerako &amp;fitxategia:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Propietateak</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aurrebista</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Inprimagailua</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Kokapena:</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Job Options</source>
        <translation>Lanaren aukerak</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Inprimagailuaren propietateak</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularioa</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>beheko marjina</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papera</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Paper-iturria:</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>eskuineko marjina</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marjinak</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Pertsonalizatua</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontala</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Orrialde-diseinua</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Zabalera:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientazioa</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Bertikala</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Orrialdeen ordena:</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>goiko marjina</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>ezkerreko marjina</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Orrialde-tamaina:</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Bertikala alderantziz</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimetroak (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Puntuak (pt)</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Orrialdeak orriko:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Hazbeteak (in)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Horizontala alderantziz</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altuera:</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Lana</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Amaiera:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Bat ere ez</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Azal-orriak</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Gaua (18:00etatik 05:59ra)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Ordu jakin batean</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Fakturazio-informazioa:</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Inprimatze programatua:</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Sekretua</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Guztiz sekretua</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Hasiera:</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Eguna (06:00etatik 17:59ra)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Bigarren txanda (16:00etatik 23:59ra)</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Lanaren kontrola</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Asteburua (larunbatetik igandera)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estandarra</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Sailkatua</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Hirugarren txanda (00:00etatik 07:59ra)</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Eutsi mugarik gabe</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Inprimatu berehala</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Konfidentziala</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Lanaren lehentasuna:</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Sailkatu gabea</translation>
    </message>
</context>
</TS>
