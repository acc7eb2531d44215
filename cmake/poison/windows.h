// The portable core is built with this folder first on its include path, so that a platform
// header included there stops the build instead of quietly tying the core to Windows.
#error "the portable core (document/, files/, tools/, imageops/) must not include platform headers"
