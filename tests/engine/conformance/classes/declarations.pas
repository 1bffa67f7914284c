// Every class the std and classes libraries declare, with its members
// (names, kinds, parameter and result types, sorted).
