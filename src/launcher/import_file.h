// Import files handed over by other programs: with "/COPYIMPORTFILE" or
// "/FSC" the main program gets a private copy in the product temporary
// folder, and with "/DELETEIMPORTFILE" the sender's file is removed at once.
#pragma once

class CArguments;

// Copies the named file (first start only) and puts the copy's path in place
// of the file-name token. A failed copy leaves the arguments as they were.
void PrepareImportFile(CArguments& args);
