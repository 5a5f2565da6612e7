# The program's version: the one place of the numbers and texts that the version block embedded in
# kvelli99 carries and the About window shows, and of the package version. Change them here only.
# The texts are UTF-8 and must not hold a double quote or a backslash.
set(KV_FILE_VERSION "3.3.5.0")  # four numbers: the block's fixed part and its "FileVersion"
set(KV_PRODUCT_VERSION "3.35")  # "ProductVersion", "Version 3.35" in the About window; the package's
set(KV_COMPANY_NAME "Quorvane, 1999")
set(KV_FILE_DESCRIPTION "")
set(KV_INTERNAL_NAME "Квелли 99 Internet version")  # the About window's title line
set(KV_LEGAL_COPYRIGHT "1999 Quorvane")  # the About window's rights line
set(KV_LEGAL_TRADEMARKS "")
set(KV_ORIGINAL_FILENAME "")
set(KV_PRODUCT_NAME "Kvelli99")
set(KV_COMMENTS "Logical Game")
