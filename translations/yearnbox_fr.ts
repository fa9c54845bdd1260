<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>EConvertError</name>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the priority &apos;%1&apos; is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mark &apos;%1&apos; is neither True nor False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fields, but only %2 are read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the UTF-16 text has an odd number of bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text is neither UTF-8 nor UTF-16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid boolean value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EInOutError</name>
    <message>
        <source>is the profile itself; it is not replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a profile; it is not replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File could not be opened: not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File could not be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File could not be written: &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File could not be created: &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid key name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key could not be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No key is open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EYearnboxError</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell out of bounds (%1, %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCsvItemReader</name>
    <message>
        <source>1 NUL character was dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n NUL characters were dropped</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>a &apos;|&apos; became a line break (%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFindAllDialog</name>
    <message>
        <source>1 item</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n profiles</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Find in All Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No results were found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 found in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(blank profile)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Sort by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore an Earlier Version…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in All Profiles…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Added:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile could not be loaded; it may be missing or corrupt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please fill in more information about this item before trying to add it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An item you changed was changed elsewhere too: your change was saved, and the other version is kept under &quot;Restore an Earlier Version…&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a New Yearnbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save this Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load a Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the active profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How Important is this Item?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item Price or Estimate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>the item entry</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <comment>the list</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Yearnbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <comment>the dialog title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No results were found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be imported: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was imported: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The item was not copied: %1 is the profile shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The item was not moved: %1 is the profile shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The item could not be copied to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The item could not be moved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source> About Yearnbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearnbox is free software: share and change it under the GNU GPL, version 3 or later. It comes with no warranty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Yearnbox authors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Would you like to associate the file extension &quot;.ybk&quot; with Yearnbox?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask me at Startup about this.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TItemHistory</name>
    <message>
        <source> (the item was removed elsewhere)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TLatticeGrid</name>
    <message>
        <source>%1 of 1 star</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n stars</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPriceTotals</name>
    <message>
        <source>1 price</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n prices</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total of %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · marked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · %1 not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No symbol</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPrintDocument</name>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPrintOptionsDialog</name>
    <message>
        <source>%1 item</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 items</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>at least %1 page</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>at least %1 pages</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
That is a great deal of paper and takes a while.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marked items only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProfiles</name>
    <message>
        <source>Save Yearnbox Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearnbox Profile (*.ybk)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Yearnbox Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been deleted. A new Yearnbox was loaded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current profile could not be deleted, sorry.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRestoreDialog</name>
    <message>
        <source>Restore an Earlier Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The version saved %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSummaryDialog</name>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
