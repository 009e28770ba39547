<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>NotesEditorAids</name>
    <message>
        <source>&quot;%1&quot; was not added to the dictionary: your word list could not be written.

%2
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutlineTextBuilder</name>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>PreachingView</name>
    <message>
        <source>Preaching view: passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preaching view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preaching view tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the passage instead of the outline (P)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message numerus="yes">
        <source>Imported %n sermon(s).</source>
        <translation>
            <numerusform>Imported %n sermon.</numerusform>
            <numerusform>Imported %n sermons.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last import (%1, %2 by %3) added %n sermon(s).</source>
        <translation>
            <numerusform>The last import (%1, %2 by %3) added %n sermon.</numerusform>
            <numerusform>The last import (%1, %2 by %3) added %n sermons.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of these sermons have topics, illustrations or occasions now. Delete them too?
(No keeps them.)</source>
        <translation>
            <numerusform>%n of these sermons has topics, illustrations or occasions now. Delete them too?
(No keeps them.)</numerusform>
            <numerusform>%n of these sermons have topics, illustrations or occasions now. Delete them too?
(No keeps them.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The import was undone: %n sermon(s) deleted, </source>
        <translation>
            <numerusform>The import was undone: %n sermon deleted, </numerusform>
            <numerusform>The import was undone: %n sermons deleted, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept.</source>
        <translation>
            <numerusform>%n kept.</numerusform>
            <numerusform>%n kept.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s), </source>
        <translation>
            <numerusform>%n file, </numerusform>
            <numerusform>%n files, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to import, </source>
        <translation>
            <numerusform>%n to import, </numerusform>
            <numerusform>%n to import, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable</source>
        <translation>
            <numerusform>%n unreadable</numerusform>
            <numerusform>%n unreadable</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read; nothing was imported (--skip-unreadable imports the rest)</source>
        <translation>
            <numerusform>%n file could not be read; nothing was imported (--skip-unreadable imports the rest)</numerusform>
            <numerusform>%n files could not be read; nothing was imported (--skip-unreadable imports the rest)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more outline file(s) in the zip left out: an import takes %1 from one zip</source>
        <translation>
            <numerusform>%n more outline file in the zip left out: an import takes %1 from one zip</numerusform>
            <numerusform>%n more outline files in the zip left out: an import takes %1 from one zip</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportScreen</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WelcomePanel</name>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no library</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n sermon(s)</source>
        <translation>
            <numerusform>%n sermon</numerusform>
            <numerusform>%n sermons</numerusform>
        </translation>
    </message>
    <message>
        <source>Welcome to Lectorum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library: %1, holding %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the sermons (Edit &gt; Sermon)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring in your outlines (File &gt; Import)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read &quot;Getting started&quot; in the help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmImport</name>
    <message numerus="yes">
        <source>Reading was cancelled after %1 of %n file(s). </source>
        <translation>
            <numerusform>Reading was cancelled after %1 of %n file. </numerusform>
            <numerusform>Reading was cancelled after %1 of %n files. </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s), </source>
        <translation>
            <numerusform>%n row, </numerusform>
            <numerusform>%n rows, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ticked; </source>
        <translation>
            <numerusform>%n ticked; </numerusform>
            <numerusform>%n ticked; </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n need(s) a passage, </source>
        <translation>
            <numerusform>%n needs a passage, </numerusform>
            <numerusform>%n need a passage, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s), </source>
        <translation>
            <numerusform>%n duplicate, </numerusform>
            <numerusform>%n duplicates, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable.</source>
        <translation>
            <numerusform>%n unreadable.</numerusform>
            <numerusform>%n unreadable.</numerusform>
        </translation>
    </message>
</context>
</TS>
