/* Starts the Wine session's services with nothing attached (see wine-run.sh). */
int main(void) { return 0; }
