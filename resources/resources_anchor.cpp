// Keeps the resource library non-empty; the files themselves come from qt_add_resources.
