// A library named like the command module that lacks its function.
extern "C" int not_the_command_function() { return 0; }
