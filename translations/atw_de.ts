<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Applet Tavelina Wizard</source>
        <translation>Über Applet Tavelina Wizard</translation>
    </message>
    <message>
        <source>Applet Tavelina Wizard Version %1</source>
        <translation>Applet Tavelina Wizard, Version %1</translation>
    </message>
    <message>
        <source>Create neat, efficient Java sliding menu applets for your Internet or Intranet Web pages without coding. </source>
        <translation>Erstellen Sie ohne Programmierung schlanke, schnelle Java-Schiebemenü-Applets für Ihre Internet- oder Intranet-Seiten. </translation>
    </message>
    <message>
        <source>Questions and suggestions: tavelina@quorvex.example</source>
        <translation>Fragen und Anregungen: tavelina@quorvex.example</translation>
    </message>
    <message>
        <source>Visit the Quorvex web page</source>
        <translation>Zur Website von Quorvex</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Quorvex. Free software under the MIT (Expat) licence: you may use, copy, change and pass on the program and the menu script that your pages publish, provided the copyright and licence notice goes with them. It comes without any warranty.</source>
        <translation>Copyright (C) 2026 Quorvex. Freie Software unter der MIT-Lizenz (Expat): Sie dürfen das Programm und das Menüskript, das Ihre Seiten veröffentlichen, benutzen, kopieren, ändern und weitergeben, sofern der Urheberrechts- und Lizenzhinweis beiliegt. Es gibt keinerlei Gewährleistung.</translation>
    </message>
</context>
<context>
    <name>CAppletTavelinWizardDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>The template file %1 is missing or cannot be read. The new project starts without a template.</source>
        <translation>Die Vorlagendatei %1 fehlt oder kann nicht gelesen werden. Das neue Projekt beginnt ohne Vorlage.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Cannot open the page &quot;%1&quot;.</source>
        <translation>Die Seite „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Untitled.htm</source>
        <translation>Unbenannt.htm</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>%1 was not saved</source>
        <translation>%1 wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>Rebase Links</source>
        <translation>Links neu ausrichten</translation>
    </message>
    <message>
        <source>: not enough memory.</source>
        <translation>: nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Auto-Change Menu Size</source>
        <translation>Menügröße automatisch anpassen</translation>
    </message>
    <message>
        <source>Warning:		The recovered changes were made to %1, which now has no project file beside it: Save asks where to save them.</source>
        <translation>Warnung:		Die wiederhergestellten Änderungen gehören zu %1, neben dem jetzt keine Projektdatei mehr liegt: Speichern fragt, wohin sie gespeichert werden.</translation>
    </message>
    <message>
        <source>This File is not saved by Applet Tavelin Wizard!
System can&apos;t open it.</source>
        <translation>Diese Datei wurde nicht von Applet Tavelina Wizard gespeichert!
Sie kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>No page belongs to the project file &quot;%1&quot;: a project is opened through the page saved with it.</source>
        <translation>Zur Projektdatei „%1“ gehört keine Seite: Ein Projekt wird über die mit ihm gespeicherte Seite geöffnet.</translation>
    </message>
    <message>
        <source>HTML Files(*.htm,*.html) (*.htm *.html)</source>
        <translation>HTML-Dateien(*.htm,*.html) (*.htm *.html)</translation>
    </message>
    <message>
        <source>Applet Tavelina Wizard Saved HTML(*.htm) (*.htm)</source>
        <translation>Von Applet Tavelina Wizard gespeichertes HTML(*.htm) (*.htm)</translation>
    </message>
</context>
<context>
    <name>CAppletTavelinWizardView</name>
    <message>
        <source>&amp;Insert Menu/Item</source>
        <translation>Menü/Eintrag ein&amp;fügen</translation>
    </message>
    <message>
        <source>Insert a top-level Tavelina or a item into Tavelin</source>
        <translation>Ein Tavelina der obersten Ebene oder einen Eintrag einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete a top-level Tavelina or a item</source>
        <translation>Ein Tavelina der obersten Ebene oder einen Eintrag löschen</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Sichtbar</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move item&apos;s position up</source>
        <translation>Den Eintrag eine Position nach oben schieben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Move item&apos;s position down</source>
        <translation>Den Eintrag eine Position nach unten schieben</translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>Edit the current selection&apos;s properties</source>
        <translation>Die Eigenschaften der Auswahl bearbeiten</translation>
    </message>
    <message>
        <source>Can&apos;t delete root!</source>
        <translation>Die Wurzel kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Are you sure to delete this top-level Tavelina?</source>
        <translation>Möchten Sie dieses Tavelina der obersten Ebene wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure to delete this item and it&apos;s sub menu?</source>
        <translation>Möchten Sie diesen Eintrag und sein Untermenü wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>Möchten Sie diesen Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <source>Menus can&apos;t be nested more than %1 levels deep: a project with deeper menus could not be opened again. Nothing was inserted.</source>
        <translation>Menüs können höchstens %1 Ebenen tief verschachtelt werden: Ein Projekt mit tieferen Menüs ließe sich nicht wieder öffnen. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>Tavelina&apos;s Properties</source>
        <translation>Eigenschaften des Tavelina</translation>
    </message>
    <message>
        <source>Item&apos;s Properties</source>
        <translation>Eigenschaften des Eintrags</translation>
    </message>
    <message>
        <source>The item could not be put on the clipboard.</source>
        <translation>Der Eintrag konnte nicht in die Zwischenablage gelegt werden.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>The clipboard does not hold an item.</source>
        <translation>Die Zwischenablage enthält keinen Eintrag.</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Menu tree</source>
        <translation>Menübaum</translation>
    </message>
</context>
<context>
    <name>CAutoSaver</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1 from %2?</source>
        <translation>Nicht gespeicherte Änderungen an %1 vom %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved changes could not be read. It has been kept aside in %1:</source>
        <translation>Eine Wiederherstellungskopie nicht gespeicherter Änderungen konnte nicht gelesen werden. Sie wurde in %1 beiseitegelegt:</translation>
    </message>
    <message>
        <source>%1 recovery copies of unsaved changes could not be read. They have been kept aside in %2:</source>
        <translation>%1 Wiederherstellungskopien nicht gespeicherter Änderungen konnten nicht gelesen werden. Sie wurden in %2 beiseitegelegt:</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved changes belongs to another user. It has been kept aside in %1:</source>
        <translation>Eine Wiederherstellungskopie nicht gespeicherter Änderungen gehört einem anderen Benutzer. Sie wurde in %1 beiseitegelegt:</translation>
    </message>
    <message>
        <source>%1 recovery copies of unsaved changes belong to another user. They have been kept aside in %2:</source>
        <translation>%1 Wiederherstellungskopien nicht gespeicherter Änderungen gehören einem anderen Benutzer. Sie wurden in %2 beiseitegelegt:</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved changes that could not be read, or is not yours, could not be moved aside:</source>
        <translation>Eine Wiederherstellungskopie nicht gespeicherter Änderungen, die nicht gelesen werden konnte oder nicht Ihnen gehört, konnte nicht beiseitegelegt werden:</translation>
    </message>
    <message>
        <source>%1 recovery copies of unsaved changes that could not be read, or are not yours, could not be moved aside:</source>
        <translation>%1 Wiederherstellungskopien nicht gespeicherter Änderungen, die nicht gelesen werden konnten oder nicht Ihnen gehören, konnten nicht beiseitegelegt werden:</translation>
    </message>
    <message>
        <source>The recovery folder %1 is not yours (or is a link to a folder that is not yours). It is not used: unsaved changes are not autosaved.</source>
        <translation>Der Wiederherstellungsordner %1 gehört nicht Ihnen (oder ist ein Link auf einen Ordner, der nicht Ihnen gehört). Er wird nicht benutzt: Nicht gespeicherte Änderungen werden nicht automatisch gesichert.</translation>
    </message>
    <message>
        <source>Recover All Into Folder</source>
        <translation>Alle in einen Ordner wiederherstellen</translation>
    </message>
    <message>
        <source>%1 recovery copies of unsaved changes were left by runs that ended abruptly. Recover one, save them all into a folder, discard them all, or keep them for the next start:</source>
        <translation>%1 Wiederherstellungskopien nicht gespeicherter Änderungen stammen von Sitzungen, die abrupt endeten. Stellen Sie eine wieder her, speichern Sie alle in einen Ordner, verwerfen Sie alle oder behalten Sie sie für den nächsten Start:</translation>
    </message>
</context>
<context>
    <name>CBrowserLauncher</name>
    <message>
        <source>The web browser &quot;%1&quot; could not be started.</source>
        <translation>Der Webbrowser „%1“ konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The default web browser could not be started for &quot;%1&quot;.</source>
        <translation>Der Standard-Webbrowser konnte für „%1“ nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>CColorButton</name>
    <message>
        <source>Red %1, green %2, blue %3 (%4)</source>
        <translation>Rot %1, Grün %2, Blau %3 (%4)</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Work in DIR instead of the program&apos;s own folder.</source>
        <translation>In DIR statt im Ordner des Programms arbeiten.</translation>
    </message>
    <message>
        <source>Only one page can be opened.</source>
        <translation>Es kann nur eine Seite geöffnet werden.</translation>
    </message>
    <message>
        <source>Usage: AppletTavelinWizard [--program-dir DIR] [page]
Applet Tavelina Wizard: build sliding menus for web pages without coding.

Options:
  -h, --help          Show this help and exit.
  -v, --version       Show the version and exit.
  --program-dir DIR   Work in DIR instead of the program&apos;s own folder.

Arguments:
  page                A saved page (.htm), or its project file (.tvx), to open.
</source>
        <translation>Aufruf: AppletTavelinWizard [--program-dir ORDNER] [Seite]
Applet Tavelina Wizard: Schiebemenüs für Webseiten ohne Programmierung erstellen.

Optionen:
  -h, --help              Diese Hilfe zeigen und beenden.
  -v, --version           Die Version zeigen und beenden.
  --program-dir ORDNER    In ORDNER statt im Ordner des Programms arbeiten.

Argumente:
  Seite                   Eine gespeicherte Seite (.htm) oder ihre Projektdatei (.tvx), die geöffnet wird.
</translation>
    </message>
</context>
<context>
    <name>CDlgAnimateSpeed</name>
    <message>
        <source>Tavelin Animate Speed</source>
        <translation>Tavelina-Animationsgeschwindigkeit</translation>
    </message>
    <message>
        <source>Menu Open Speed</source>
        <translation>Geschwindigkeit beim Öffnen</translation>
    </message>
    <message>
        <source>Menu Close Speed</source>
        <translation>Geschwindigkeit beim Schließen</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Am schnellsten</translation>
    </message>
    <message>
        <source>Slowest</source>
        <translation>Am langsamsten</translation>
    </message>
</context>
<context>
    <name>CDlgAppletParam</name>
    <message>
        <source>Applet Parameters</source>
        <translation>Applet-Parameter</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Display Image</source>
        <translation>Bild anzeigen</translation>
    </message>
    <message>
        <source>Specify</source>
        <translation>Festlegen</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Kacheln</translation>
    </message>
    <message>
        <source>X Pos:</source>
        <translation>X-Position:</translation>
    </message>
    <message>
        <source>Y Pos:</source>
        <translation>Y-Position:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Align:</source>
        <translation>Ausrichtung:</translation>
    </message>
    <message>
        <source>Applet Width:</source>
        <translation>Applet-Breite:</translation>
    </message>
    <message>
        <source>Applet Height:</source>
        <translation>Applet-Höhe:</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>Hintergrundfarbe:</translation>
    </message>
    <message>
        <source>Background Image:</source>
        <translation>Hintergrundbild:</translation>
    </message>
    <message>
        <source>Background Audio:</source>
        <translation>Hintergrundklang:</translation>
    </message>
    <message>
        <source>Applet Name</source>
        <translation>Applet-Name</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Applet Width</source>
        <translation>Applet-Breite</translation>
    </message>
    <message>
        <source>Applet Height</source>
        <translation>Applet-Höhe</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>X Pos</source>
        <translation>X-Position</translation>
    </message>
    <message>
        <source>Y Pos</source>
        <translation>Y-Position</translation>
    </message>
    <message>
        <source>Background Audio</source>
        <translation>Hintergrundklang</translation>
    </message>
    <message>
        <source>Applet background color</source>
        <translation>Hintergrundfarbe des Applets</translation>
    </message>
    <message>
        <source>Choose the background image</source>
        <translation>Hintergrundbild wählen</translation>
    </message>
    <message>
        <source>Choose the background audio</source>
        <translation>Hintergrundklang wählen</translation>
    </message>
</context>
<context>
    <name>CDlgAppletStyle</name>
    <message>
        <source>More Styles</source>
        <translation>Weitere Stile</translation>
    </message>
    <message>
        <source>Show Selection Always</source>
        <translation>Auswahl immer zeigen</translation>
    </message>
    <message>
        <source>Display All Branchs</source>
        <translation>Alle Zweige anzeigen</translation>
    </message>
    <message>
        <source>Has Lines</source>
        <translation>Mit Linien</translation>
    </message>
    <message>
        <source>Animate Speed ...</source>
        <translation>Animationsgeschwindigkeit ...</translation>
    </message>
    <message>
        <source>Background Style ...</source>
        <translation>Hintergrundstil ...</translation>
    </message>
    <message>
        <source>Tree Line</source>
        <translation>Baumlinie</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Thick:</source>
        <translation>Stärke:</translation>
    </message>
    <message>
        <source>Indent:</source>
        <translation>Einzug:</translation>
    </message>
    <message>
        <source>Menu Display From(Y Value):</source>
        <translation>Menü anzeigen ab (Y-Wert):</translation>
    </message>
    <message>
        <source>Show Selection</source>
        <translation>Auswahl zeigen</translation>
    </message>
    <message>
        <source>Show All Branches</source>
        <translation>Alle Zweige anzeigen</translation>
    </message>
    <message>
        <source>Display From Y</source>
        <translation>Anzeigen ab Y</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source>Line Thick</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>Line Indent</source>
        <translation>Linieneinzug</translation>
    </message>
    <message>
        <source>Tree line color</source>
        <translation>Farbe der Baumlinien</translation>
    </message>
</context>
<context>
    <name>CDlgAudio</name>
    <message>
        <source>Mouse Over</source>
        <translation>Maus darüber</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Klick</translation>
    </message>
    <message>
        <source>Audio Files(*.au) (*.au)</source>
        <translation>Audiodateien(*.au) (*.au)</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>All Audio Files</source>
        <translation>Alle Audiodateien</translation>
    </message>
</context>
<context>
    <name>CDlgAutoSave</name>
    <message>
        <source>AutoSave</source>
        <translation>Automatisch sichern</translation>
    </message>
    <message>
        <source>Write a recovery copy of unsaved changes at most every (seconds, 0 = never):</source>
        <translation>Eine Wiederherstellungskopie nicht gespeicherter Änderungen höchstens alle ... schreiben (Sekunden, 0 = nie):</translation>
    </message>
    <message>
        <source>0 (off)</source>
        <translation>0 (aus)</translation>
    </message>
</context>
<context>
    <name>CDlgBackgroundStyle</name>
    <message>
        <source>Appelt Background Style</source>
        <translation>Hintergrundstil des Applets</translation>
    </message>
    <message>
        <source>Filled with Color</source>
        <translation>Mit Farbe gefüllt</translation>
    </message>
    <message>
        <source>Vertical Gradient from Black to Color</source>
        <translation>Senkrechter Verlauf von Schwarz zur Farbe</translation>
    </message>
    <message>
        <source>Vertical Gradient from White to Color</source>
        <translation>Senkrechter Verlauf von Weiß zur Farbe</translation>
    </message>
    <message>
        <source>Vertical Gradient from Color to Black</source>
        <translation>Senkrechter Verlauf von der Farbe zu Schwarz</translation>
    </message>
    <message>
        <source>Vertical Gradient from Color to White</source>
        <translation>Senkrechter Verlauf von der Farbe zu Weiß</translation>
    </message>
    <message>
        <source>Applet&apos;s Background Style:</source>
        <translation>Hintergrundstil des Applets:</translation>
    </message>
    <message>
        <source>Gradient Direction</source>
        <translation>Verlaufsrichtung</translation>
    </message>
    <message>
        <source>Single Direction</source>
        <translation>Eine Richtung</translation>
    </message>
    <message>
        <source>Bi-direction</source>
        <translation>Beide Richtungen</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Flach</translation>
    </message>
    <message>
        <source>Raised</source>
        <translation>Erhaben</translation>
    </message>
    <message>
        <source>Sunken</source>
        <translation>Vertieft</translation>
    </message>
</context>
<context>
    <name>CDlgExportHtml5</name>
    <message>
        <source>Export HTML5 Menu</source>
        <translation>HTML5-Menü exportieren</translation>
    </message>
    <message>
        <source>HTML Files(*.htm,*.html) (*.htm *.html)</source>
        <translation>HTML-Dateien(*.htm,*.html) (*.htm *.html)</translation>
    </message>
    <message>
        <source>Write only the menu and a link to its style sheet, without the page around it</source>
        <translation>Nur das Menü und einen Link auf sein Stylesheet schreiben, ohne die Seite drumherum</translation>
    </message>
    <message>
        <source>&amp;Menu only, to paste into a page (style sheet beside it)</source>
        <translation>Nur das &amp;Menü, zum Einfügen in eine Seite (Stylesheet daneben)</translation>
    </message>
</context>
<context>
    <name>CDlgFind</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
</context>
<context>
    <name>CDlgFont</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <source>Sunken</source>
        <translation>Vertieft</translation>
    </message>
    <message>
        <source>Bulge</source>
        <translation>Gewölbt</translation>
    </message>
    <message>
        <source>With Shadow</source>
        <translation>Mit Schatten</translation>
    </message>
    <message>
        <source>Font Style</source>
        <translation>Schriftschnitt</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Font Name:</source>
        <translation>Schriftart:</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>Schriftfarbe:</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>Schriftgröße:</translation>
    </message>
    <message>
        <source>Special Effects:</source>
        <translation>Effekte:</translation>
    </message>
    <message>
        <source>Font color</source>
        <translation>Schriftfarbe</translation>
    </message>
</context>
<context>
    <name>CDlgHtml</name>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Click to copy HTML into clipboard</source>
        <translation>Klicken, um das HTML in die Zwischenablage zu kopieren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>HTML of the menu</source>
        <translation>HTML des Menüs</translation>
    </message>
</context>
<context>
    <name>CDlgImage</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Mouse Over</source>
        <translation>Maus darüber</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Klick</translation>
    </message>
    <message>
        <source>Image Files(*.GIF,*.JPG.*.JPEG) (*.gif *.jpg *.jpeg)</source>
        <translation>Bilddateien(*.GIF,*.JPG,*.JPEG) (*.gif *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>All Image Files</source>
        <translation>Alle Bilddateien</translation>
    </message>
</context>
<context>
    <name>CDlgImportSource</name>
    <message>
        <source>Import Menu</source>
        <translation>Menü importieren</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>The page holds several lists. Choose the one that is the menu:</source>
        <translation>Die Seite enthält mehrere Listen. Wählen Sie die, die das Menü ist:</translation>
    </message>
    <message>
        <source>Lists of the page</source>
        <translation>Listen der Seite</translation>
    </message>
    <message>
        <source>Items of the chosen list</source>
        <translation>Einträge der gewählten Liste</translation>
    </message>
</context>
<context>
    <name>CDlgItem</name>
    <message>
        <source>Item</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Image...</source>
        <translation>Bild...</translation>
    </message>
    <message>
        <source>Audio...</source>
        <translation>Klang...</translation>
    </message>
    <message>
        <source>Item Label:</source>
        <translation>Beschriftung:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Link to:</source>
        <translation>Link auf:</translation>
    </message>
    <message>
        <source>Target Frame:</source>
        <translation>Ziel-Frame:</translation>
    </message>
    <message>
        <source>You can specify the image to display for each states of the item:</source>
        <translation>Sie können für jeden Zustand des Eintrags ein Bild festlegen:</translation>
    </message>
    <message>
        <source>You can specify the audio to play for each states of the item:</source>
        <translation>Sie können für jeden Zustand des Eintrags einen Klang festlegen:</translation>
    </message>
    <message>
        <source>Item Label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Link to</source>
        <translation>Link auf</translation>
    </message>
    <message>
        <source>Target Frame</source>
        <translation>Ziel-Frame</translation>
    </message>
</context>
<context>
    <name>CDlgItemClick</name>
    <message>
        <source>Item Clicked</source>
        <translation>Eintrag angeklickt</translation>
    </message>
</context>
<context>
    <name>CDlgItemMouseOver</name>
    <message>
        <source>Item Mouse Over</source>
        <translation>Maus über dem Eintrag</translation>
    </message>
</context>
<context>
    <name>CDlgItemNormal</name>
    <message>
        <source>Item Normal</source>
        <translation>Eintrag normal</translation>
    </message>
</context>
<context>
    <name>CDlgItemState</name>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Schrift...</translation>
    </message>
    <message>
        <source>Transparent </source>
        <translation>Transparent </translation>
    </message>
    <message>
        <source>Filled with Color</source>
        <translation>Mit Farbe gefüllt</translation>
    </message>
    <message>
        <source>Horizontal Gradient from Black to Color</source>
        <translation>Waagerechter Verlauf von Schwarz zur Farbe</translation>
    </message>
    <message>
        <source>Horizontal Gradient from White to Color</source>
        <translation>Waagerechter Verlauf von Weiß zur Farbe</translation>
    </message>
    <message>
        <source>Horizontal Gradient from Color to Black</source>
        <translation>Waagerechter Verlauf von der Farbe zu Schwarz</translation>
    </message>
    <message>
        <source>Horizontal Gradient from Color to White</source>
        <translation>Waagerechter Verlauf von der Farbe zu Weiß</translation>
    </message>
    <message>
        <source>Vertical Gradient from Black to Color</source>
        <translation>Senkrechter Verlauf von Schwarz zur Farbe</translation>
    </message>
    <message>
        <source>Vertical Gradient from White to Color</source>
        <translation>Senkrechter Verlauf von Weiß zur Farbe</translation>
    </message>
    <message>
        <source>Vertical Gradient from Color to Black</source>
        <translation>Senkrechter Verlauf von der Farbe zu Schwarz</translation>
    </message>
    <message>
        <source>Vertical Gradient from Color to White</source>
        <translation>Senkrechter Verlauf von der Farbe zu Weiß</translation>
    </message>
    <message>
        <source>Gradient Direction</source>
        <translation>Verlaufsrichtung</translation>
    </message>
    <message>
        <source>Single Direction</source>
        <translation>Eine Richtung</translation>
    </message>
    <message>
        <source>Bi-direction</source>
        <translation>Beide Richtungen</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Flach</translation>
    </message>
    <message>
        <source>Raised</source>
        <translation>Erhaben</translation>
    </message>
    <message>
        <source>Sunken</source>
        <translation>Vertieft</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>Hintergrundfarbe:</translation>
    </message>
    <message>
        <source>Item&apos;s Background:</source>
        <translation>Hintergrund des Eintrags:</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Text Offset:</source>
        <translation>Textversatz:</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Image Offset:</source>
        <translation>Bildversatz:</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Text Align</source>
        <translation>Textausrichtung</translation>
    </message>
    <message>
        <source>Text Offset</source>
        <translation>Textversatz</translation>
    </message>
    <message>
        <source>Image Align</source>
        <translation>Bildausrichtung</translation>
    </message>
    <message>
        <source>Image Offset</source>
        <translation>Bildversatz</translation>
    </message>
    <message>
        <source>Item&apos;s Background</source>
        <translation>Hintergrund des Eintrags</translation>
    </message>
    <message>
        <source>Item background color</source>
        <translation>Hintergrundfarbe des Eintrags</translation>
    </message>
</context>
<context>
    <name>CDlgManageTemplates</name>
    <message>
        <source>Manage Templates</source>
        <translation>Vorlagen verwalten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Template Name:</source>
        <translation>Name der Vorlage:</translation>
    </message>
    <message>
        <source>Templates List:</source>
        <translation>Vorlagen:</translation>
    </message>
    <message>
        <source>Are you sure to delete &quot;%1&quot; template?</source>
        <translation>Möchten Sie die Vorlage „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure to rename &quot;%1&quot; template to &quot;%2&quot;?</source>
        <translation>Möchten Sie die Vorlage „%1“ wirklich in „%2“ umbenennen?</translation>
    </message>
    <message>
        <source>Please select a template first!</source>
        <translation>Bitte wählen Sie zuerst eine Vorlage!</translation>
    </message>
    <message>
        <source>Please give a new name for the template!</source>
        <translation>Bitte geben Sie einen neuen Namen für die Vorlage ein!</translation>
    </message>
    <message>
        <source>Templates List</source>
        <translation>Vorlagen</translation>
    </message>
</context>
<context>
    <name>CDlgMediaFiles</name>
    <message>
        <source>Apply to</source>
        <translation>Anwenden auf</translation>
    </message>
    <message>
        <source>Only This Item</source>
        <translation>Nur diesen Eintrag</translation>
    </message>
    <message>
        <source>All the Items in the Same Menu</source>
        <translation>Alle Einträge desselben Menüs</translation>
    </message>
    <message>
        <source>All the Items</source>
        <translation>Alle Einträge</translation>
    </message>
    <message>
        <source>Choose the %1 file</source>
        <translation>Datei für „%1“ wählen</translation>
    </message>
</context>
<context>
    <name>CDlgMenuStyle</name>
    <message>
        <source>Menu Style</source>
        <translation>Menüstil</translation>
    </message>
    <message>
        <source>Size of the item</source>
        <translation>Größe des Eintrags</translation>
    </message>
    <message>
        <source>Transparent and without Border</source>
        <translation>Transparent und ohne Rahmen</translation>
    </message>
    <message>
        <source>Transparent and with Border</source>
        <translation>Transparent und mit Rahmen</translation>
    </message>
    <message>
        <source>Filled with Color and without Border</source>
        <translation>Mit Farbe gefüllt und ohne Rahmen</translation>
    </message>
    <message>
        <source>Filled with Color and with Border</source>
        <translation>Mit Farbe gefüllt und mit Rahmen</translation>
    </message>
    <message>
        <source>Item Width:</source>
        <translation>Eintragsbreite:</translation>
    </message>
    <message>
        <source>Item Height:</source>
        <translation>Eintragshöhe:</translation>
    </message>
    <message>
        <source>Item Border Thick:</source>
        <translation>Rahmenstärke des Eintrags:</translation>
    </message>
    <message>
        <source>Item Gaps:</source>
        <translation>Eintragsabstand:</translation>
    </message>
    <message>
        <source>Indent of Menu:</source>
        <translation>Einzug des Menüs:</translation>
    </message>
    <message>
        <source>Indent of Menu</source>
        <translation>Einzug des Menüs</translation>
    </message>
    <message>
        <source>Item Width</source>
        <translation>Eintragsbreite</translation>
    </message>
    <message>
        <source>Item Height</source>
        <translation>Eintragshöhe</translation>
    </message>
    <message>
        <source>Item Border Thick</source>
        <translation>Rahmenstärke des Eintrags</translation>
    </message>
    <message>
        <source>Item Gaps</source>
        <translation>Eintragsabstand</translation>
    </message>
    <message>
        <source>Menu Background</source>
        <translation>Menühintergrund</translation>
    </message>
    <message>
        <source>Menu Background Color</source>
        <translation>Hintergrundfarbe des Menüs</translation>
    </message>
    <message>
        <source>Menu background color</source>
        <translation>Hintergrundfarbe des Menüs</translation>
    </message>
</context>
<context>
    <name>CDlgNewMenu</name>
    <message>
        <source>New Tavelina</source>
        <translation>Neues Tavelina</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Templates List:</source>
        <translation>Vorlagen:</translation>
    </message>
    <message>
        <source>Please select a template to new a Tavelin!</source>
        <translation>Bitte wählen Sie eine Vorlage für das neue Tavelina!</translation>
    </message>
    <message>
        <source>Templates List</source>
        <translation>Vorlagen</translation>
    </message>
</context>
<context>
    <name>CDlgRecoverCopies</name>
    <message>
        <source>Recover Unsaved Changes</source>
        <translation>Nicht gespeicherte Änderungen wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard All</source>
        <translation>Alle &amp;verwerfen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>Recovery copies</source>
        <translation>Wiederherstellungskopien</translation>
    </message>
    <message>
        <source>Recover &amp;All...</source>
        <translation>&amp;Alle wiederherstellen...</translation>
    </message>
</context>
<context>
    <name>CDlgSaveTemplate</name>
    <message>
        <source>Save As Template</source>
        <translation>Als Vorlage speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>New Template Name:</source>
        <translation>Name der neuen Vorlage:</translation>
    </message>
    <message>
        <source>Insert At Position:</source>
        <translation>Einfügen an Position:</translation>
    </message>
    <message>
        <source>the template has already existed!Please change a name.</source>
        <translation>Die Vorlage ist bereits vorhanden! Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Insert At Position</source>
        <translation>An Position einfügen</translation>
    </message>
</context>
<context>
    <name>CDlgWebBrowser</name>
    <message>
        <source>Web Browser</source>
        <translation>Webbrowser</translation>
    </message>
    <message>
        <source>Use default browser</source>
        <translation>Standardbrowser verwenden</translation>
    </message>
    <message>
        <source>Choose from known browsers</source>
        <translation>Aus bekannten Browsern wählen</translation>
    </message>
    <message>
        <source>User specified browser</source>
        <translation>Selbst gewählter Browser</translation>
    </message>
    <message>
        <source>Execute File:</source>
        <translation>Programmdatei:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>You must specify the web browser&apos;s execute file!</source>
        <translation>Sie müssen die Programmdatei des Webbrowsers angeben!</translation>
    </message>
    <message>
        <source>Web Browser (*)</source>
        <translation>Webbrowser (*)</translation>
    </message>
    <message>
        <source>Known browsers</source>
        <translation>Bekannte Browser</translation>
    </message>
    <message>
        <source>Browse for the browser&apos;s program</source>
        <translation>Das Programm des Browsers suchen</translation>
    </message>
</context>
<context>
    <name>CFrameActions</name>
    <message>
        <source>&amp;New Tavelina...	Ctrl+N</source>
        <translation>&amp;Neues Tavelina...	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new Tavelina from templates list
New</source>
        <translation>Ein neues Tavelina aus der Vorlagenliste erstellen
Neu</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an previous saved Tavelina
Open</source>
        <translation>Ein früher gespeichertes Tavelina öffnen
Öffnen</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <source>Save an opend Tavelina using the same file name
Save</source>
        <translation>Das geöffnete Tavelina unter demselben Dateinamen speichern
Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...	Ctrl+Shift+S</source>
        <translation>Speichern &amp;unter...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Save an opened Tavelina  to a specified file name
Save As</source>
        <translation>Das geöffnete Tavelina unter einem anzugebenden Dateinamen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>Save As &amp;Template...</source>
        <translation>Als &amp;Vorlage speichern...</translation>
    </message>
    <message>
        <source>Save an opened Tavelina as a template
Save As Template</source>
        <translation>Das geöffnete Tavelina als Vorlage speichern
Als Vorlage speichern</translation>
    </message>
    <message>
        <source>&amp;Export HTML5 Menu...</source>
        <translation>HTML5-Menü &amp;exportieren...</translation>
    </message>
    <message>
        <source>Write the menu as a page that today&apos;s browsers show without the applet
Export HTML5 Menu</source>
        <translation>Das Menü als Seite schreiben, die heutige Browser ohne das Applet zeigen
HTML5-Menü exportieren</translation>
    </message>
    <message>
        <source>&amp;Import Menu...</source>
        <translation>Menü &amp;importieren...</translation>
    </message>
    <message>
        <source>Start a new Tavelina from a page&apos;s menu list, a sitemap or an outline
Import Menu</source>
        <translation>Ein neues Tavelina aus der Menüliste einer Seite, einer Sitemap oder einer Gliederung beginnen
Menü importieren</translation>
    </message>
    <message>
        <source>Import I&amp;tems...</source>
        <translation>Einträge i&amp;mportieren...</translation>
    </message>
    <message>
        <source>Add items read from a page, a sitemap or an outline under the selection
Import Items</source>
        <translation>Einträge aus einer Seite, einer Sitemap oder einer Gliederung unter der Auswahl anfügen
Einträge importieren</translation>
    </message>
    <message>
        <source>Check &amp;Links</source>
        <translation>&amp;Links prüfen</translation>
    </message>
    <message>
        <source>Check the items&apos; links, images and sounds against the page&apos;s folder
Check Links</source>
        <translation>Links, Bilder und Klänge der Einträge gegen den Ordner der Seite prüfen
Links prüfen</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Suchen...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find an item by its label, description or link
Find</source>
        <translation>Einen Eintrag nach Beschriftung, Beschreibung oder Link suchen
Suchen</translation>
    </message>
    <message>
        <source>Find &amp;Next	F3</source>
        <translation>Weitersu&amp;chen	F3</translation>
    </message>
    <message>
        <source>Find the next item that matches
Find Next</source>
        <translation>Den nächsten passenden Eintrag suchen
Weitersuchen</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>E&amp;xit	Ctrl+Q</source>
        <translation>&amp;Beenden	Ctrl+Q</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Das Programm beenden; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Den letzten Schritt rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Wiederherstellen	Ctrl+Y</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Den zuletzt rückgängig gemachten Schritt wiederherstellen
Wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Ausschneiden	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen
Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Die Auswahl kopieren und in die Zwischenablage legen
Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Einfügen	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Den Inhalt der Zwischenablage einfügen
Einfügen</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Die Werkzeugleiste zeigen oder verbergen
Werkzeugleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Die Statusleiste zeigen oder verbergen
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Insert Menu/Item	Ins</source>
        <translation>Menü/Eintrag ein&amp;fügen	Ins</translation>
    </message>
    <message>
        <source>Insert a top-level Tavelina or a item into Tavelin
Insert</source>
        <translation>Ein Tavelina der obersten Ebene oder einen Eintrag einfügen
Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Löschen	Del</translation>
    </message>
    <message>
        <source>Delete a top-level Tavelina or a item
Delete</source>
        <translation>Ein Tavelina der obersten Ebene oder einen Eintrag löschen
Löschen</translation>
    </message>
    <message>
        <source>&amp;Visible	Ctrl+H</source>
        <translation>&amp;Sichtbar	Ctrl+H</translation>
    </message>
    <message>
        <source>Move &amp;Up	Alt+Up</source>
        <translation>Nach &amp;oben	Alt+Up</translation>
    </message>
    <message>
        <source>Move item&apos;s position up
Move Item Up</source>
        <translation>Den Eintrag eine Position nach oben schieben
Eintrag nach oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Alt+Down</source>
        <translation>Nach &amp;unten	Alt+Down</translation>
    </message>
    <message>
        <source>Move item&apos;s position down
Move Item Down</source>
        <translation>Den Eintrag eine Position nach unten schieben
Eintrag nach unten</translation>
    </message>
    <message>
        <source>&amp;Property	Alt+Enter</source>
        <translation>&amp;Eigenschaften	Alt+Enter</translation>
    </message>
    <message>
        <source>Edit the current selection&apos;s properties
Property</source>
        <translation>Die Eigenschaften der Auswahl bearbeiten
Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Check Parameters</source>
        <translation>&amp;Parameter prüfen</translation>
    </message>
    <message>
        <source>Check if parameters are valid
Check Tavelina&apos;s parameters</source>
        <translation>Prüfen, ob die Parameter gültig sind
Parameter des Tavelina prüfen</translation>
    </message>
    <message>
        <source>Build &amp;HTML...</source>
        <translation>&amp;HTML erzeugen...</translation>
    </message>
    <message>
        <source>Get HTML of current Tavelina
HTML</source>
        <translation>Das HTML des aktuellen Tavelina erzeugen
HTML erzeugen</translation>
    </message>
    <message>
        <source>&amp;Preview	Ctrl+P</source>
        <translation>&amp;Vorschau	Ctrl+P</translation>
    </message>
    <message>
        <source>Preview current Tavelina
Preview</source>
        <translation>Das aktuelle Tavelina in der Vorschau zeigen
Vorschau</translation>
    </message>
    <message>
        <source>Clear &amp;Message</source>
        <translation>&amp;Meldungen leeren</translation>
    </message>
    <message>
        <source>Clear the warning message
Clear Message</source>
        <translation>Die Warnmeldungen leeren
Meldungen leeren</translation>
    </message>
    <message>
        <source>Web &amp;Browser...</source>
        <translation>&amp;Webbrowser...</translation>
    </message>
    <message>
        <source>Specify the web browser to preview Tavelin
Web Browser</source>
        <translation>Den Webbrowser für die Vorschau festlegen
Webbrowser</translation>
    </message>
    <message>
        <source>&amp;Template...	Ctrl+T</source>
        <translation>&amp;Vorlagen...	Ctrl+T</translation>
    </message>
    <message>
        <source>Edit templates
Template</source>
        <translation>Vorlagen bearbeiten
Vorlagen</translation>
    </message>
    <message>
        <source>Auto-Change Menu Size</source>
        <translation>Menügröße &amp;automatisch anpassen</translation>
    </message>
    <message>
        <source>Auto-Change menu size when preview and build HTML
Auto-Change Size</source>
        <translation>Die Menügröße bei Vorschau und HTML-Erzeugung automatisch anpassen
Größe automatisch anpassen</translation>
    </message>
    <message>
        <source>HTML5 Menu &amp;Runtime</source>
        <translation>HTML5-Menü-&amp;Laufzeit</translation>
    </message>
    <message>
        <source>Add the script that draws the menu in today&apos;s browsers to every page
HTML5 Menu Runtime</source>
        <translation>Jeder Seite das Skript beifügen, das das Menü in heutigen Browsern zeichnet
HTML5-Menü-Laufzeit</translation>
    </message>
    <message>
        <source>Auto&amp;Save...</source>
        <translation>Automatisch &amp;sichern...</translation>
    </message>
    <message>
        <source>Set how often a recovery copy of unsaved changes is written
AutoSave</source>
        <translation>Festlegen, wie oft eine Wiederherstellungskopie nicht gespeicherter Änderungen geschrieben wird
Automatisch sichern</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Die Hilfethemen auflisten
Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;Getting Started</source>
        <translation>&amp;Erste Schritte</translation>
    </message>
    <message>
        <source>&amp;Search for Help on ...</source>
        <translation>Hilfe &amp;suchen zu ...</translation>
    </message>
    <message>
        <source>&amp;View Sample</source>
        <translation>&amp;Beispiel ansehen</translation>
    </message>
    <message>
        <source>&amp;Frequently Asked Questions</source>
        <translation>Häufig gestellte &amp;Fragen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Hilfe zur aktuellen Aufgabe oder zum aktuellen Befehl anzeigen
Hilfe</translation>
    </message>
    <message>
        <source>Context Help</source>
        <translation>Kontexthilfe</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <translation>Hilfe zu angeklickten Schaltflächen, Menüs und Fenstern anzeigen
Hilfe</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Voriger Bereich</translation>
    </message>
</context>
<context>
    <name>CHelpEventFilter</name>
    <message>
        <source>Select an object on which to get Help</source>
        <translation>Wählen Sie ein Objekt, zu dem Sie Hilfe möchten</translation>
    </message>
</context>
<context>
    <name>CIntegerField</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
</context>
<context>
    <name>CLinkReport</name>
    <message>
        <source>Save the Tavelina first: links are checked relative to the folder of its page.</source>
        <translation>Speichern Sie das Tavelina zuerst: Links werden relativ zum Ordner seiner Seite geprüft.</translation>
    </message>
</context>
<context>
    <name>CLivePreviewPane</name>
    <message>
        <source>Live Preview</source>
        <translation>Live-Vorschau</translation>
    </message>
    <message>
        <source>&amp;Live Preview</source>
        <translation>&amp;Live-Vorschau</translation>
    </message>
    <message>
        <source>Show or hide the menu as the page draws it, updated while you edit</source>
        <translation>Das Menü zeigen oder verbergen, wie die Seite es zeichnet, während der Bearbeitung aktualisiert</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Phone (%1 px)</source>
        <translation>Telefon (%1 px)</translation>
    </message>
    <message>
        <source>Show the menu as a phone of %1 px width shows it</source>
        <translation>Das Menü so zeigen, wie ein Telefon mit %1 px Breite es zeigt</translation>
    </message>
    <message>
        <source>%1
Build &gt; Preview shows the page in your browser.</source>
        <translation>%1
Erstellen &gt; Vorschau zeigt die Seite in Ihrem Browser.</translation>
    </message>
    <message>
        <source>Not followed in the preview: %1</source>
        <translation>In der Vorschau nicht gefolgt: %1</translation>
    </message>
    <message>
        <source>Live Preview: %1</source>
        <translation>Live-Vorschau: %1</translation>
    </message>
    <message>
        <source>Live Preview: the page could not be shown</source>
        <translation>Live-Vorschau: Die Seite konnte nicht gezeigt werden</translation>
    </message>
    <message>
        <source>Show the menu as a desktop browser shows it, at the applet&apos;s size</source>
        <translation>Das Menü so zeigen, wie ein Desktop-Browser es zeigt, in der Größe des Applets</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menü</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Live Preview (not in this build: use Build &gt; Preview)</source>
        <translation>&amp;Live-Vorschau (nicht in diesem Build: Erstellen &gt; Vorschau verwenden)</translation>
    </message>
    <message>
        <source>This build has no browser engine: Preview shows the page in your browser</source>
        <translation>Dieser Build hat keine Browser-Engine: Vorschau zeigt die Seite in Ihrem Browser</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Drücken Sie F1, um Hilfe zu erhalten</translation>
    </message>
    <message>
        <source>%1 could not be imported</source>
        <translation>%1 konnte nicht importiert werden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>[*] - Applet Tavelina Wizard</source>
        <translation>[*] - Applet Tavelina Wizard</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the project&apos;s own page, which Save writes. Please choose another name for the HTML5 menu.</source>
        <translation>„%1“ ist die eigene Seite des Projekts, die Speichern schreibt. Bitte wählen Sie einen anderen Namen für das HTML5-Menü.</translation>
    </message>
    <message>
        <source>Autosave writes its recovery copies again.</source>
        <translation>Die automatische Sicherung schreibt ihre Wiederherstellungskopien wieder.</translation>
    </message>
    <message>
        <source>Warning:		Unsaved changes could not be autosaved: the recovery folder %1 cannot be written. Save your work to keep it.</source>
        <translation>Warnung:		Nicht gespeicherte Änderungen konnten nicht automatisch gesichert werden: In den Wiederherstellungsordner %1 kann nicht geschrieben werden. Speichern Sie Ihre Arbeit, um sie zu behalten.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the verb (Undo, Redo) and the step it takes back</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CMediaFileDialog</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>CMediaPreview</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>Sound, %1 KB</source>
        <translation>Klang, %1 KB</translation>
    </message>
    <message>
        <source>No preview</source>
        <translation>Keine Vorschau</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 Pixel</translation>
    </message>
</context>
<context>
    <name>CMenuImportFlow</name>
    <message>
        <source>Import Menu</source>
        <translation>Menü importieren</translation>
    </message>
    <message>
        <source>Import Items</source>
        <translation>Einträge importieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Menus (*.htm *.html *.xhtml *.xml *.xml.gz *.txt *.md *.markdown *.yml);;HTML Files (*.htm *.html *.xhtml);;Sitemaps (*.xml *.xml.gz);;Outlines (*.txt *.md *.markdown);;MkDocs (*.yml *.yaml);;All Files (*)</source>
        <translation>Menüs (*.htm *.html *.xhtml *.xml *.xml.gz *.txt *.md *.markdown *.yml);;HTML-Dateien (*.htm *.html *.xhtml);;Sitemaps (*.xml *.xml.gz);;Gliederungen (*.txt *.md *.markdown);;MkDocs (*.yml *.yaml);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>CModelEditor</name>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Klang</translation>
    </message>
</context>
<context>
    <name>CPreview</name>
    <message>
        <source>Note:		Current browsers no longer run Java applets, so this preview shows no menu. Turn on Options &gt; HTML5 Menu Runtime to have the page draw it.</source>
        <translation>Hinweis:		Heutige Browser führen keine Java-Applets mehr aus, daher zeigt diese Vorschau kein Menü. Schalten Sie Optionen &gt; HTML5-Menü-Laufzeit ein, damit die Seite es zeichnet.</translation>
    </message>
</context>
<context>
    <name>CPreviewEngine</name>
    <message>
        <source>The browser engine could not be loaded: %1</source>
        <translation>Die Browser-Engine konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>The browser engine is not installed (%1 not found). To get Live Preview, install the package %2 (sudo apt install %2) and show the pane again.</source>
        <translation>Die Browser-Engine ist nicht installiert (%1 nicht gefunden). Für die Live-Vorschau installieren Sie das Paket %2 (sudo apt install %2) und zeigen den Bereich erneut.</translation>
    </message>
</context>
<context>
    <name>CPropertyFrame</name>
    <message>
        <source>Property Sheet</source>
        <translation>Eigenschaften</translation>
    </message>
</context>
<context>
    <name>CPropertySheet</name>
    <message>
        <source>Properties:How to display this item and its siblings</source>
        <translation>Eigenschaften: Wie dieser Eintrag und seine Geschwister dargestellt werden</translation>
    </message>
    <message>
        <source>Properties:What is displayed on the item</source>
        <translation>Eigenschaften: Was auf dem Eintrag dargestellt wird</translation>
    </message>
    <message>
        <source>Property pages</source>
        <translation>Eigenschaftsseiten</translation>
    </message>
</context>
<context>
    <name>CQtPrompts</name>
    <message>
        <source>Applet Tavelina Wizard</source>
        <translation>Applet Tavelina Wizard</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
</context>
<context>
    <name>CRecoverAll</name>
    <message>
        <source>untitled</source>
        <translation>unbenannt</translation>
    </message>
    <message>
        <source>%1, saved as %2</source>
        <translation>%1, gespeichert als %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>A recovery copy was saved in %1:</source>
        <translation>Eine Wiederherstellungskopie wurde in %1 gespeichert:</translation>
    </message>
    <message>
        <source>%1 recovery copies were saved in %2:</source>
        <translation>%1 Wiederherstellungskopien wurden in %2 gespeichert:</translation>
    </message>
    <message>
        <source>A recovery copy could not be saved and is kept for the next start:</source>
        <translation>Eine Wiederherstellungskopie konnte nicht gespeichert werden und bleibt für den nächsten Start erhalten:</translation>
    </message>
    <message>
        <source>%1 recovery copies could not be saved and are kept for the next start:</source>
        <translation>%1 Wiederherstellungskopien konnten nicht gespeichert werden und bleiben für den nächsten Start erhalten:</translation>
    </message>
</context>
<context>
    <name>CTreeFinder</name>
    <message>
        <source>Cannot find &quot;%1&quot;.</source>
        <translation>„%1“ wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>CWizardInfoView</name>
    <message>
        <source>Warning message list:</source>
        <translation>Warnmeldungen:</translation>
    </message>
</context>
</TS>
