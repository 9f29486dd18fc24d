# Sourced by the run and benchmark scripts: installs what is needed and builds the x86_64
# Windows programs named in the array BUILD_TARGETS into $BUILD/x86_64. Expects ROOT and BUILD.
bash "$ROOT/tools/install-deps.sh"
cmake -S "$ROOT" -B "$BUILD/x86_64" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86_64.cmake" >/dev/null
cmake --build "$BUILD/x86_64" --target "${BUILD_TARGETS[@]}" >/dev/null
