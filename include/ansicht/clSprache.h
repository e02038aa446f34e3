#ifndef CLSPRACHE_H
#define CLSPRACHE_H

// The toolkit's own texts (print preview, page setup, standard buttons) in German,
// as the rest of the program speaks. The C library's locale is left as it is, so
// that numbers are written and read the same everywhere.
class clSprache
{
public:
    // Loads the toolkit's German catalogue; false when it is not installed, and
    // the toolkit then speaks English.
    static bool ladeDeutsch();
};

#endif
