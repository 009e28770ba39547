<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>MediaProbe</name>
    <message>
        <source>The file %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an audio or video file that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length of %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <name>PublishSource</name>
    <message>
        <source>Sermon %1</source>
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
    <name>SiteFolder</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path %1 would leave the folder; it was not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link or a file, not a folder of the site; nothing was written through it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link or a folder; it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SitePage</name>
    <message>
        <source>Series: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recording %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big idea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscribe to the podcast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latest sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All %n sermons by year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words, a passage or a preacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The search needs scripts; the index pages list every sermon without them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n sermon found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n sermons found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The search index could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This series as a podcast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Books of the Bible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preachers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip to the content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Published with Lectorum Sermon Outlines.</source>
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
<context>
    <name>frmPublish</name>
    <message>
        <source>Folder for the Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture for the Podcast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermon Website and Podcast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All sermons with a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The sermon &amp;list&apos;s current sermons (%n)</source>
        <translation>
            <numerusform>The sermon &amp;list&apos;s current sermons (%n)</numerusform>
            <numerusform>The sermon &amp;list&apos;s current sermons (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>A &amp;series:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the &amp;outlines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the passage&apos;s te&amp;xt from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bible version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No installed Bible&apos;s licence allows publishing its text (the World English Bible, package sword-text-web, does).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brows&amp;e...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site &amp;title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pict&amp;ure:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web add&amp;ress:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output &amp;folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the site&apos;s title and choose the folder to publish into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The web address must start with http:// or https:// (or be left empty).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the website...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publishing was stopped; the files written so far are whole. Publish again to finish the website in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Published %n sermons to %1: </source>
        <translation>
            <numerusform>Published %n sermon to %1: </numerusform>
            <numerusform>Published %n sermons to %1: </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files written, </source>
        <translation>
            <numerusform>%n file written, </numerusform>
            <numerusform>%n files written, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unchanged.</source>
        <translation>
            <numerusform>%n unchanged.</numerusform>
            <numerusform>%n unchanged.</numerusform>
        </translation>
    </message>
    <message>
        <source>This library was made before it could keep publishing choices; they were not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n problems: see the details.</source>
        <translation>
            <numerusform>%n problem: see the details.</numerusform>
            <numerusform>%n problems: see the details.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmRecordings</name>
    <message>
        <source>Add Recordings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recordings (*.mp3 *.m4a *.mp4 *.m4v *.ogg *.opus *.oga *.flac *.wav *.aif *.aiff *.wma);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (missing: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Web address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add A&amp;ddress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish this sermon&apos;s &amp;outline on the website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This library was made before recordings could be kept. Copy it into a new library (lectorum-mkdb --copy) to add them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a web address that starts with http:// or https://.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the recording %1 from this sermon? The file itself is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This library was made before it could keep publishing choices; copy it into a new library (lectorum-mkdb --copy) to keep them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSermon</name>
    <message>
        <source>Recordings...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
