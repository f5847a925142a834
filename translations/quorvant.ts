<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Quorvant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>The help file %1 was not found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program is associated with the help file %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while opening the help file %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program is associated with HTML-Documents!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while executing Standard Browser!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while executing %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Internet Browser selected!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentOptionsPanel</name>
    <message>
        <source>Document Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page&apos;s title, shown in the browser&apos;s title bar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put a heading at the top of the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document Heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The heading at the top of the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title to Heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre the page&apos;s contents horizontally.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>horizontally centered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the listed directory&apos;s path as title and heading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Directory as Title and Heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the page&apos;s background colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The background colour; click it to go back to the default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the colour of links not yet visited.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link colour; click it to go back to the default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the colour of visited links.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visited Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The visited link colour; click it to go back to the default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the colour of the page&apos;s text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text colour; click it to go back to the default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List each file as a link to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Embed Link to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the files as plain text in aligned columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Embed Plain Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin the plain-text list with the listed directory&apos;s subdirectories.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Subdirectories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show each file as a picture with its name below it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Embed Picture itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Narrow wide pictures so they fit on the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shrink to fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make each picture a link to its file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture as Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename and Extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document&apos;s file name, without extension.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the document the extension .html.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the document the extension .htm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.HTM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What each entry shows besides the file&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designation/Link contains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add each file&apos;s size in bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size of File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the date and time each file was last changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the format and size in pixels of GIF and JFIF pictures (more kinds: Program Options).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size of Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link files by name; the document is written into the listed directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>relative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link files by full path; the document is written where the program was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>absolute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show each file&apos;s full path instead of its name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileSelectionPanel</name>
    <message>
        <source>The drive or file system whose directories are listed below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory whose files are listed; double-click a directory to open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files the page can list; select the ones it should list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which kinds of files the file list shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF/JPEG (*.gif, *.jpg, *.jpeg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio (*.wav, *.au, *.aif, *.aiff)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text (*.txt) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML (*.htm, *.html)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open the directory %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No items are selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 item is selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n items are selected</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Creation Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far the creation of the document has come.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the document just created in the chosen browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default texts, colours, browser and completion sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to use this program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program&apos;s version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the defaults and the window&apos;s position, then close the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML-Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select every file in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the files not selected, and unselect the others.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unselect every file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the entries in a table, and set its columns, border and alignment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the HTML document for the selected files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create HTML-Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recently created Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show %1 with %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The whole tree below the directory, a searchable page, thumbnails.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the document being created (Esc); a document already there stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoreOptionsDialog</name>
    <message>
        <source>More Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the files of every subdirectory too, each directory in a section of its own, with a list of contents at the top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole tree (files in subdirectories too)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many levels of subdirectories below the listed directory the page takes in: All every level, 1 the listed directory&apos;s own subdirectories, 0 none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names of files and directories to leave out, separated by &quot;;&quot;; wildcards as in the file filter, letter case ignored. A directory left out is not entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.git;node_modules;*.tmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the page a search box and sort buttons, run by a script inside the page; without JavaScript the page reads as it would without them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searchable page (search box and sort buttons)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In picture mode, show each picture as a small copy, made in a folder beside the document and linked to the full picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thumbnails for pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The longest side of each small copy, in pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply these options to the document and close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close and keep the options as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramChooser</name>
    <message>
        <source>Executables (*.exe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Executables (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramOptionsDialog</name>
    <message>
        <source>Program Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep these defaults and apply them to the document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep these defaults and move the main window to the screen&apos;s centre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and Center  Program  Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without keeping the texts and the sound choice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title each new document starts with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The heading each new document starts with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name each new document starts with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put back the program&apos;s own default title, heading and file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The browser program that opens documents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the browser program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play a sound when a document has been created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Sound after  Creation of Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open documents with the desktop&apos;s standard browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Standard Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Document Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the background colour new documents start with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default background colour; click it to go back to the program&apos;s own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the link colour new documents start with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default link colour; click it to go back to the program&apos;s own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the visited link colour new documents start with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visited Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default visited link colour; click it to go back to the program&apos;s own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the text colour new documents start with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default text colour; click it to go back to the program&apos;s own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also read the sizes of PNG, WebP and BMP pictures and of JPEG pictures that are not JFIF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read sizes of PNG, WebP, BMP and Exif JPEG pictures</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtMessageBoxes</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtProgramChooser</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtSoundPlayer</name>
    <message>
        <source>Unable to open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound output device is available to play %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound device cannot play %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableOptionsDialog</name>
    <message>
        <source>Table Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close; the choices made apply to the document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close; the choices made apply to the document all the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many columns the table has; None puts no table on the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How thick the table&apos;s lines are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borderwidth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where each entry stands across its cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Alignment inside Cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where each entry stands from top to bottom in its cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Alignment inside Cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep these table settings as the defaults, and close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as Default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaveFile</name>
    <message>
        <source>The file is not a wave file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wave file&apos;s format chunk is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wave file&apos;s sample format (format %1, %2 bits) is not supported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wave file has no format chunk before its data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wave file holds no sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wave file has no format chunk.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowRunFeedback</name>
    <message>
        <source>cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged, or of a format that cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large to decode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file not made by this program holds its name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use by another run, or a file not made by this program is in the way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The thumbnail folder %1 cannot be used (%2). The pictures are shown at full size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>No thumbnail was made of %n picture(s), shown at full size instead:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Directories: %1, files: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Files selected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory %1 no longer exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File access error<byte value="xd"/>%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n directories not readable:<byte value="xd"/></source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The HTML-Document %1 already exists! Overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
