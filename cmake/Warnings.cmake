# Warnings, the same for every target of every toolchain.
add_compile_options(-Wall -Wextra -Wno-unused-parameter)
