// Every class the libraries declare, with its members (names, kinds,
// parameter and result types, sorted), when the user-interface libraries
// are registered too: graphics, controls, standard controls, forms, buttons,
// extra controls and menus, classes and graphics before the controls.
// Members whose types are declared only later (PopupMenu before the menus,
// BorderStyle before the forms) are missing, as the import units leave them.
