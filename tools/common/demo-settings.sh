# Sourced by tools/run.sh and tools/screenshots.sh.
# write_demo_settings CONFIG_HOME LIBRARY_FOLDER LIBRARY_NAME: the settings a first run writes,
# pointed at a library file (the demonstration library), in CONFIG_HOME/lectorum/lectorum.ini.
write_demo_settings() {
    mkdir -p "$1/lectorum"
    cat > "$1/lectorum/lectorum.ini" <<INI
[AppEnv]
StatusBar=-1
Toolbar=-1

[DataSource]
DataLoc=Local

[Local]
AccessSecure=0
DBName=$3
DBPath="$2/"
DBServer=0
DSN=

[Server]
DBName=lectorum
DBServer=-1
DSN=

[UserInfo]
UID=
INI
}
