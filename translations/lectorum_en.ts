<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AddressListScreen</name>
    <message>
        <source>You are not allowed to delete this default record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete was successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the Current Record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangedUnderneath</name>
    <message>
        <source>This record was deleted by someone else since you opened it. Save your version as a new record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This record was changed by someone else since you opened it. Save your version over theirs?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your version stays on the screen. Show their version?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClipboardOperations</name>
    <message>
        <source>Make sure text has been properly selected first!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoverageHeatMap</name>
    <message>
        <source>Scripture coverage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvColumns</name>
    <message>
        <source>(not imported)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big Idea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topics</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>The file holds no headings and no sermons.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than 20 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvTable</name>
    <message>
        <source>Line %1: text follows a closing quote.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: a quoted field is never closed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataScreen</name>
    <message>
        <source>No Records, Add Some ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateEntry</name>
    <message>
        <source>Enter a valid date: dd/mm/yyyy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid date: mm/dd/yyyy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DbDatabase</name>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Qt SQLite driver (QSQLITE) is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Qt ODBC driver (QODBC) is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no tables: it is empty or not a Lectorum database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statement returned no rows to read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DbSnapshot</name>
    <message>
        <source>Item not found in this collection: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message numerus="yes">
        <source>Cancelled: %1 of %n outlines were written to %2.</source>
        <translation>
            <numerusform>Cancelled: %1 of %n outline were written to %2.</numerusform>
            <numerusform>Cancelled: %1 of %n outlines were written to %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n outlines were written before this.</source>
        <translation>
            <numerusform>%n outline was written before this.</numerusform>
            <numerusform>%n outlines were written before this.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n outlines were written to %1.</source>
        <translation>
            <numerusform>%n outline was written to %1.</numerusform>
            <numerusform>%n outlines were written to %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no sermon list to export. Open the sermon screen (Edit &gt; Sermon) and choose the sermons with a search or checklist first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Wait While Loading Sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermon List as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermon List.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV with byte-order mark, for spreadsheets that need one (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no sermon to export. Open the sermon screen (Edit &gt; Sermon) and choose a sermon first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markdown (*.md)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain Text (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline as Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing outlines...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Outlines as Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing outline %1 of %2...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportPaths</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lectorum Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search for a keyword:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for a keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find or open the help file %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[read by %1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library could not be backed up: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backed up to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open %1: error %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the library: error %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library has no preacher named &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (error %2: %3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportNames</name>
    <message>
        <source>Preachers: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topics: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportPaths</name>
    <message>
        <source>Import Outline Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline files (*.docx *.odt *.txt *.md *.rtf *.doc *.zip)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a Folder of Outline Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a Sermon List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv *.txt)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportReview</name>
    <message>
        <source>the same title, passage and date as a sermon in the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same title, passage and date as %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportRowModel</name>
    <message>
        <source> (read by %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ready (date from the file&apos;s time)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duplicate: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportScreenCommands</name>
    <message>
        <source>%1 could not be read as a sermon list.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no import to undo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unnamed user</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The last import (%1, %2 by %3) added %n sermon(s).</source>
        <translation>
            <numerusform>The last import (%1, %2 by %3) added %n sermon.</numerusform>
            <numerusform>The last import (%1, %2 by %3) added %n sermons.</numerusform>
        </translation>
    </message>
    <message>
        <source>To be deleted (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed since, and kept (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n were deleted already.</source>
        <translation>
            <numerusform>%n was deleted already.</numerusform>
            <numerusform>%n were deleted already.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo this import?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This library was made before imports could be undone; it keeps no record of its imports.</source>
        <translation type="unfinished"></translation>
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
        <source>The import was undone: %n sermon(s) deleted, %1</source>
        <translation>
            <numerusform>The import was undone: %n sermon deleted, %1</numerusform>
            <numerusform>The import was undone: %n sermons deleted, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept.</source>
        <translation>
            <numerusform>%n kept.</numerusform>
            <numerusform>%n kept.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportWriter</name>
    <message>
        <source>%1; nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file is ticked for import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library could not be opened for writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new preachers, series and topics could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No keys could be reserved for the sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sermon of %1 could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The import could not be remembered for undoing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library did not keep the import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This library was made before imports could be undone; this one cannot be.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportedDocument</name>
    <message>
        <source>needs %1 (install the package %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was stopped (reading cancelled)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 took longer than %2 seconds (stopped)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not read the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not read the file: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document&apos;s text is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a zip file, or a damaged one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a kind of file the import reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than %1 MB (refused)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds no text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document holds no text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be read (no permission)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no temporary file could be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file&apos;s groups are nested too deep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an RTF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file has no part %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 would expand past %2 MB (refused)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read (damaged or encrypted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 expands past %2 MB (refused)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged (the zip is truncated or corrupt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 declares a DTD or entities (refused)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not well-formed XML (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ends before its XML does (truncated)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyCounter</name>
    <message>
        <source>The key counter of %1 is exhausted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key counter row of %1 could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of Lectorum&apos;s windows and messages.
The change applies the next time Lectorum starts.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lectorum</name>
    <message>
        <source>Usage: lectorum [options]
Keeps, finds and prints sermon outlines. The library, the settings and the language
are chosen in the program; press F1 there for its help.

Options:
  -h, --help     Displays this help.
  -v, --version  Displays the version.
Qt&apos;s own options (-platform NAME, -style NAME, ...) are accepted too.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LectorumMkdb</name>
    <message>
        <source>%1: error %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates a new Lectorum library (a SQLite file, or an empty server database through ODBC) from the delivered schema, copies a whole library between a file and a server, imports outline files into a library, or publishes its sermons as a website with podcast feeds.

  lectorum-mkdb [--force] [--demo] [--generate N] FILE.mdb
  lectorum-mkdb --odbc CONNECT [--demo] [--generate N]
  lectorum-mkdb --copy [--force] FROM TO
  lectorum-mkdb --import [--preacher NAME] [--dry-run] [--skip-unreadable] PATH... LIBRARY
  lectorum-mkdb --publish [--base-url URL] FOLDER LIBRARY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace an existing database file; with --copy, empty a destination that already holds sermons (inside the copy&apos;s transaction).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the demonstration library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add N generated sermons with outlines (for benchmarks).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load the schema into the empty server database named by the ODBC connect string (DSN=...;UID=...;PWD=...;DATABASE=...).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy every table of the library FROM into TO, each a library file or an ODBC connect string (starting DSN=, DRIVER= or ODBC;), checked table by table before it commits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import outline files, folders and zips (PATH...) into LIBRARY (a file or an ODBC connect string), after printing what was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --import: the preacher of every sermon (a name the library has).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --import: print what would be imported and write nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --import: import the files that could be read even when some could not (otherwise nothing is imported and the exit code is 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish every sermon of LIBRARY (a file or an ODBC connect string) with a date as a website with podcast feeds into FOLDER, with the library&apos;s publishing choices; only changed files are rewritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --publish: the address the folder is served from (the feeds&apos; links need it), instead of the library&apos;s choice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database file to create (FROM TO with --copy; PATH... LIBRARY with --import; FOLDER LIBRARY with --publish).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--generate needs a number of sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot reach the data source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exists; use --force to replace it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot load the schema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot generate the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>generated %n sermon(s) in %1 s</source>
        <translation>
            <numerusform>generated %n sermon in %1 s</numerusform>
            <numerusform>generated %n sermons in %1 s</numerusform>
        </translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryBackup</name>
    <message>
        <source>the disk is full or the file grew past the size allowed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backups folder %1 could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backups folder %1 may not be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup of %1 could not be written: %2. The library and the earlier backups are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup of %1 failed its check (%2) and was kept aside as %3; it will not be offered for restore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup of %1 could not be stored in %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryBackupRunner</name>
    <message>
        <source>The library was backed up to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finishing the backup…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up the library...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryCheck</name>
    <message>
        <source>preacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n sermon(s) name(s) a preacher that is not in the library</source>
        <translation>
            <numerusform>%n sermon names a preacher that is not in the library</numerusform>
            <numerusform>%n sermons name a preacher that is not in the library</numerusform>
        </translation>
    </message>
    <message>
        <source>Open each on the Sermons screen and choose its preacher again, or add the preacher on the Preachers screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sermon type</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n sermon(s) name(s) a sermon type that is not in the library</source>
        <translation>
            <numerusform>%n sermon names a sermon type that is not in the library</numerusform>
            <numerusform>%n sermons name a sermon type that is not in the library</numerusform>
        </translation>
    </message>
    <message>
        <source>Open each on the Sermons screen and choose its type again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bible book</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n sermon(s) name(s) a Bible book that is not in the library</source>
        <translation>
            <numerusform>%n sermon names a Bible book that is not in the library</numerusform>
            <numerusform>%n sermons name a Bible book that is not in the library</numerusform>
        </translation>
    </message>
    <message>
        <source>Open each on the Sermons screen and choose its Bible book again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>series</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n sermon(s) name(s) a series that is not in the library</source>
        <translation>
            <numerusform>%n sermon names a series that is not in the library</numerusform>
            <numerusform>%n sermons name a series that is not in the library</numerusform>
        </translation>
    </message>
    <message>
        <source>Open each on the Sermons screen and choose its series again, or add the series on the Series screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… and %n more</numerusform>
            <numerusform>… and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>Integrity check: ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library file is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore it from a backup (File &gt; Restore from Backup...), or ask whoever supports your installation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Integrity check: the file is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The links between records could not be checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See the details below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foreign-key check failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foreign-key check: ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) between records point(s) to a record that is no longer in the library</source>
        <translation>
            <numerusform>%n link between records points to a record that is no longer in the library</numerusform>
            <numerusform>%n links between records point to a record that is no longer in the library</numerusform>
        </translation>
    </message>
    <message>
        <source>The table lines under Details below name them for whoever supports your installation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Foreign-key check: %n row(s) point(s) to rows that do not exist</source>
        <translation>
            <numerusform>Foreign-key check: %n row points to a row that does not exist</numerusform>
            <numerusform>Foreign-key check: %n rows point to rows that do not exist</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 row %2 -&gt; %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows per table:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n part(s) of the library cannot be read</source>
        <translation>
            <numerusform>%n part of the library cannot be read</numerusform>
            <numerusform>%n parts of the library cannot be read</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore the library from a backup (File &gt; Restore from Backup...).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sermons&apos; %1 links could not be checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermons whose %1 is missing: unreadable (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermons whose %1 is missing: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sermon %1 (%2 %3): %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recordings: unreadable (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sermon %1 %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recordings whose file is missing: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n recording(s)&apos; file(s) is/are missing</source>
        <translation>
            <numerusform>%n recording&apos;s file is missing</numerusform>
            <numerusform>%n recordings&apos; files are missing</numerusform>
        </translation>
    </message>
    <message>
        <source>Put the file back, or remove the recording and add the file again from where it is now (the sermon screen&apos;s Recordings... button).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library file cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make sure the file is there and readable, or restore it from a backup (File &gt; Restore from Backup...).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a Lectorum library: it holds no sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the library file again with File &gt; Change Database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no sermons table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s) found.</source>
        <translation>
            <numerusform>%n problem found.</numerusform>
            <numerusform>%n problems found.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LibraryCopy</name>
    <message>
        <source>The copy was cancelled; the destination is unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: error %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source is not a Lectorum library: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The destination has the wrong schema: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot count the destination&apos;s sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The destination already holds %n sermon(s); nothing was copied (replacing them must be asked for)</source>
        <translation>
            <numerusform>The destination already holds %n sermon; nothing was copied (replacing it must be asked for)</numerusform>
            <numerusform>The destination already holds %n sermons; nothing was copied (replacing them must be asked for)</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot start reading the source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot count the rows of %1 in the source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start writing the destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot empty %1 in the destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The destination did not keep the copy (nothing was changed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Copied %n table(s), %1; every table&apos;s row count and checksum match the source</source>
        <translation>
            <numerusform>Copied %n table, %1; every table&apos;s row count and checksum match the source</numerusform>
            <numerusform>Copied %n tables, %1; every table&apos;s row count and checksum match the source</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1 in the destination; nothing was copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1 from the source; nothing was copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1 back from the destination; nothing was copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (source %2, checksum %3; destination %4, checksum %5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy differs from the source in %1; it was rolled back and the destination is unchanged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryCopyCommand</name>
    <message>
        <source>cannot reach the destination server (%1): error %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot reach the source server (%1): error %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open the destination %1: error %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open the source %1: error %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
    <message>
        <source>the source and the destination are the same database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2  checksum %3  same on both sides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
copied in %2 s (processor time of this program %3 s), peak memory %4 MB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryRecovery</name>
    <message>
        <source>Restore the newest good backup from %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring the library...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library was restored from the backup of %1.
The damaged file was kept as %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryRestore</name>
    <message>
        <source>it holds no sermons table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup %1 failed its check and was not restored: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The restore was cancelled. The library is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be copied beside the library in %1: %2. The library is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current library could not be kept aside as %1. Nothing was restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library %1 could not be replaced. It is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryRestoreRunner</name>
    <message>
        <source>Restoring the library...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring the library... %1 of %2 copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryRows</name>
    <message>
        <source>%1 (%2): %3 holds &quot;%4&quot;, which is not a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2): %3 holds &quot;%4&quot;, which is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryScreenCommands</name>
    <message>
        <source>First close all open windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A backup of the library is being written. Try again when it is done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A backup of the library is being written already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup of this library was found in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This library is kept on a database server. Its backups are made and restored by the server&apos;s administrator; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking Database...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryTables</name>
    <message>
        <source>the table %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table %1 has no column %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkOperations</name>
    <message>
        <source>Error adding Sermon/Topic Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error deleting Sermon/Topic Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error adding Illustr/Topic Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error deleting Illustr/Topic Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error adding Sermon/Illustration Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error deleting Sermon/Illustration Record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListEditScreen</name>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the Current Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListOperations</name>
    <message>
        <source>Please Wait While Loading %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LookupRecord</name>
    <message>
        <source>%1 Must Be Filled In.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Change Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display Active Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back &amp;Up Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chec&amp;k Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore from Backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ex&amp;port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermon List as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline as Document...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Outlines as Documents...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermon List from CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Last Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sermon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Illustrations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se&amp;ries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pu&amp;blisher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;aste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pr&amp;each</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search-Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermon &amp;Outline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Big Idea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Checklist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By &amp;Bible Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By &amp;Preacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By &amp;Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By &amp;Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By &amp;Combination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By P&amp;assage...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   &amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected &amp;Sermon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current &amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Illustration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pul&amp;pit Copy...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tool Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline Font Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;pelling Language...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speaking &amp;Rate...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bible Version...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lan&amp;guage...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile &amp;Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scripture Coverage...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermons per Year...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topics and Illustrations...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Books Never Preached...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Preached Since...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pu&amp;blish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermon Website and Podcast...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainToolbar</name>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection Criteria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Sermon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display All Sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermon Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Sermon Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preacher Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermon Series Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tooltip</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <message>
        <source>Word count and speaking time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no suggestions)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotesScriptureSplit</name>
    <message>
        <source>Show &amp;Scripture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OccasionReuse</name>
    <message>
        <source>This sermon was preached at %1 on %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The illustration &quot;%1&quot; was used at %2 on %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record it again?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutlineAidCommands</name>
    <message>
        <source>No spelling dictionary is installed, so spelling is off. Install the package %1 (or another hunspell- dictionary) and start Lectorum again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelling Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the spelling of outlines with the dictionary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speaking Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words spoken per minute (for the outline&apos;s speaking time):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;pelling Language (install %1)...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutlineDocument</name>
    <message>
        <source>Preacher: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preached: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big idea: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make the document for %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutlineFileNames</name>
    <message>
        <source>Sermon %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutlineFindBar</name>
    <message>
        <source>Find and Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole w&amp;ord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrap aro&amp;und</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> – no more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> – wrapped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> – %1 replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutlineFolderExport</name>
    <message>
        <source>Cannot read sermon %1: error %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutlineRecoveryFile</name>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutlineRecoveryOffer</name>
    <message>
        <source>sermon %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a new sermon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unsaved outline of %1 from %2 was found. Open it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no longer in this library, so its outline opens as a new sermon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the unsaved outline of %1 from %2? It cannot be recovered afterwards.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutlineRecoveryWatch</name>
    <message>
        <source>Lectorum could not keep a recovery copy of the outline you are typing, so it would be lost if the program stopped unexpectedly. Save often.

%1</source>
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
    <name>OutlineWordCount</name>
    <message numerus="yes">
        <source>%n word(s), about %1 min</source>
        <translation>
            <numerusform>%n word, about %1 min</numerusform>
            <numerusform>%n words, about %1 min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PassageParser</name>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a chapter cannot be 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a verse cannot be 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the end comes before the beginning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a book of the Bible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could be %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a reference, for example John 3:16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a reference</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PersonalLibrary</name>
    <message>
        <source>The delivered library %1 could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library could not be written in %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 may not be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy of Lectorum is still preparing the library %1. Start Lectorum again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The empty library delivered with Lectorum is missing: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The delivered library %1 is not a usable library (error %2: %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library could not be named %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreachingHistory</name>
    <message numerus="yes">
        <source>Last preached %1; %n time(s) in all</source>
        <translation>
            <numerusform>Last preached %1; %n time in all</numerusform>
            <numerusform>Last preached %1; %n times in all</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last preached %1 at %2; %n time(s) in all</source>
        <translation>
            <numerusform>Last preached %1 at %2; %n time in all</numerusform>
            <numerusform>Last preached %1 at %2; %n times in all</numerusform>
        </translation>
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
    <message>
        <source>Preach</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Sermon Outline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermon List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 could not print %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pages could not be written to the file:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is set up, so the pages were saved as a PDF file:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramTranslation</name>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PublishCommand</name>
    <message>
        <source>cannot open %1: error %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the sermons: error %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the passages&apos; text is left out: %1 is not installed, or its licence does not allow publishing it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 published to %3: %4, %5, %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n sermon(s)</source>
        <translation>
            <numerusform>%n sermon</numerusform>
            <numerusform>%n sermons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n episode(s)</source>
        <translation>
            <numerusform>%n episode</numerusform>
            <numerusform>%n episodes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) written</source>
        <translation>
            <numerusform>%n file written</numerusform>
            <numerusform>%n files written</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unchanged</source>
        <translation>
            <numerusform>%n unchanged</numerusform>
            <numerusform>%n unchanged</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n removed</numerusform>
            <numerusform>%n removed</numerusform>
        </translation>
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
    <name>PulpitCommands</name>
    <message>
        <source>There is no outline to preach from: open a sermon first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no outline to print: open a sermon with an outline first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulpit Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type size in points:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulpit Copy %1</source>
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
    <name>RecordBase</name>
    <message>
        <source>Error Adding a New Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Updating Current Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Deleting Current Record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportChoices</name>
    <message>
        <source>(any)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count each sermon &amp;once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preacher:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ype:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se&amp;ries:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pl&amp;ace:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>The report could not be saved to the file:
%1

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved to the file:
%1

The picture could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportQueries</name>
    <message>
        <source>(no preacher)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no type)</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>Pr&amp;int</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save P&amp;NG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save S&amp;VG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sermons match these choices.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenOperations</name>
    <message>
        <source>Data Has Been Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Changes ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © The Lectorum Sermon Outlines authors. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScripturePane</name>
    <message>
        <source>Passage text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verse per &amp;line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage in print and &amp;export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert &amp;Passage Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Passage Text (Ctrl+Shift+P)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScriptureText</name>
    <message numerus="yes">
        <source>… and %n more verse(s)</source>
        <translation>
            <numerusform>… and %n more verse</numerusform>
            <numerusform>… and %n more verses</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionDialog</name>
    <message>
        <source>&amp;Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SermonListCsv</name>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bible Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big Idea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Preached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
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
</context>
<context>
    <name>SermonListFill</name>
    <message>
        <source>ID#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIBLE REF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PREACHER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIG IDEA or TITLE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SermonScreenLayout</name>
    <message>
        <source>Sermon list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bible book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beginning chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beginning verse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending verse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big Idea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Illustrations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Outline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recordings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermons on This &amp;Passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preaching history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chap:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verse:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beg:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preacher:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to clear the choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big Idea:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline:</source>
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
    <name>SqliteFile</name>
    <message>
        <source>No file is open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Could Not Initialize the Database Engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Do you want to change the configuration now?
Choose No to quit Lectorum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database could not be opened:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No user has signed in, so Lectorum will now close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No user has signed in to the server database:
%1 (data source %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SwordLibrary</name>
    <message>
        <source>No Bible text is installed. Install a Bible package such as sword-text-web to see the passage here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bible version %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a book of the Bible versions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not include %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no text for %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SwordModuleCheck</name>
    <message>
        <source>its file %1 is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>some of its files for %1 are missing or unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserDataFolder</name>
    <message>
        <source>This system names no data folder for the user (is HOME set?).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 may not be written to.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserInterface</name>
    <message>
        <source>An Error Occurred in the System %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statement: %1</source>
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
    <name>clsBibleBook</name>
    <message>
        <source>BibleBook</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsConnect</name>
    <message>
        <source>The database engine has not been initialised.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening Database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrieving User by Login ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No User Exists With the Login ID &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking Employee Name &amp;&amp; Password...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing Password...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No database is open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsDateLoc</name>
    <message>
        <source>Date Preached Must Be Filled In.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location Must Be Filled In.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsIllustr</name>
    <message>
        <source>Illustration Must Be Filled In.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Must Be Filled In.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsLocation</name>
    <message>
        <source>No current record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Updating Current Record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsPreacher</name>
    <message>
        <source>Last Name Must Be Filled In.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsPublisher</name>
    <message>
        <source>Name Must Be Filled In.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsRecording</name>
    <message>
        <source>Recording Must Be Filled In.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsSeries</name>
    <message>
        <source>Valid Year Must Be Filled In.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series Name Must Be Filled In.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsSermon</name>
    <message>
        <source>Reference Must Be Filled In.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsState</name>
    <message>
        <source>StateDesc Must Be Filled In.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsSystemInfo</name>
    <message>
        <source>You cannot set the AppName to empty string.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsTopic</name>
    <message>
        <source>Topic Must Be Filled In.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsType</name>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout32</name>
    <message>
        <source>Written for preachers and church offices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Temp Directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows System Directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Load:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Physical:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available Physical:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Virtual:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available Virtual:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number CPU&apos;s:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAssignTopics</name>
    <message>
        <source>Topics For:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unassigned Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assigned Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topics List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermon Topics List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustrations For:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unassigned Illustrations:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assigned Illustrations:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustrations List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermon Illustrations List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustr Topics List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ID</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmBibleVersion</name>
    <message>
        <source>Bible Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Version shown beside the outline:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bible versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmBookHistory</name>
    <message>
        <source>Not preached since the start of y&amp;ear:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List Sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Books Never Preached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Preached Since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Preached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermons in Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not preached since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmChange</name>
    <message>
        <source>Select Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCheckReport</name>
    <message>
        <source>Check Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lectorum check.txt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>Configure This Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Access Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Source Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lectorum could not prepare your library.

%1

Nothing was changed; Lectorum will try again the next time it starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lectorum found a library in %1 and will use it as it is; nothing in it was replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The information here will be stored in the System Registry under the entry %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to:
%1

Check that the folder exists and may be written to.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCopyright</name>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bible</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCoverage</name>
    <message>
        <source>&amp;Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scripture Coverage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Law</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prophets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gospels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revelation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not preached in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Preached %n time(s) in %1</source>
        <translation>
            <numerusform>Preached once in %1</numerusform>
            <numerusform>Preached %n times in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>(no title)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCsvColumns</name>
    <message>
        <source>Two columns are matched to %1. Choose one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match the Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the column that holds the titles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose what each column of the list holds. Columns left as &quot;%1&quot; are passed over.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmDateLoc</name>
    <message>
        <source>Delete was successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date / Location Tracker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USE DATE / LOCATION TRACKER FOR ADDITIONAL DATA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates and Locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SermonID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procedural error; Please try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the Current Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Preached</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmExportOutlines</name>
    <message>
        <source>All Outlines as Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenDocument Text (.odt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markdown (.md)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain Text (.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFindText</name>
    <message>
        <source>Find Text Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type of Logic:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search SermonTitle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Sermon Big Idea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Sermon Outline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AND</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmIllustr</name>
    <message>
        <source>Illustration Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustrations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustration ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustration:</source>
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
    <message>
        <source>Import Outline Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Sermon List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add F&amp;older...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preacher:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set for &amp;All Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set for &amp;Selected Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series from the folder &amp;name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A backup of the library is being written. Try again when it is done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library could not be backed up. Import anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file is ticked for import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing sermons...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These are not in the library yet:

%1

Create them? (No imports the sermons without them.)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmLocation</name>
    <message>
        <source>Default Location Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Default Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Fill In Your User Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid User ID/Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exceeded Login Attemps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Version %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>First close all open windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database or user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active Database = %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNotes</name>
    <message>
        <source>Sermon Outline &amp; Notes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPassage</name>
    <message>
        <source>Find by Passage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passage as read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>John 3:16-21; Rom 5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPreachers</name>
    <message>
        <source>Preachers Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preachers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preacher ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seminary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will be asked next to confirm this delete request --Be careful because any sermons tied to the preacher you delete will automatically be deleted!!</source>
        <translation type="unfinished"></translation>
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
    <name>frmPublishers</name>
    <message>
        <source>Publishers Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publishers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will be asked next to confirm this delete request --Be careful because any series and sermons tied to the publisher you delete will automatically be deleted!!</source>
        <translation type="unfinished"></translation>
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
    <name>frmRestore</name>
    <message>
        <source>Restore from Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Wait While Loading Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the library with the backup from %1?
The current file is kept beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring the library...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library was restored from the backup of %1.
The file it replaced was kept as %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSelect</name>
    <message>
        <source>Sermon Selection Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Bible Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Preacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Topic</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSeries</name>
    <message>
        <source>Series of Messages Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bible Book:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preacher:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the Current Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are not allowed to delete this record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete was successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bible Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will be asked next to confirm this delete request -- Be careful because any sermons tied to the series you delete will automatically be deleted!!  If you want to save the sermons, first remove the series reference in each sermon record and then come back and delete the Series record.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSermon</name>
    <message>
        <source>Sermon Identification Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the Current Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete was successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Records found = %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTheirVersion</name>
    <message>
        <source>Their Version - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved by someone else since you opened the record. Your version stays on the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTopic</name>
    <message>
        <source>Topic Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmUsage</name>
    <message>
        <source>Topics and Illustrations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topics and illustrations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times Preached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reused at One Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Yes, within %n year(s)</source>
        <translation>
            <numerusform>Yes, within %n year</numerusform>
            <numerusform>Yes, within %n years</numerusform>
        </translation>
    </message>
    <message>
        <source>Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmYearChart</name>
    <message>
        <source>&amp;Stack by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermons per Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times preached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times Preached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stack by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sermons per year</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
