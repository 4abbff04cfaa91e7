# Written by the abi_baselines target with the baselines beside it: the version they describe
# and the build they were made from (compiler, Qt, build type).
set(TYPEKIT_ABI_VERSION "12.0.3598.1040")
set(TYPEKIT_ABI_TOOLCHAIN "GNU 12.2.0, Qt 6.4.2, RelWithDebInfo")
