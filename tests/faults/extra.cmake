# The signal trials start the program itself.
add_dependencies(test_faults kvelli99)
