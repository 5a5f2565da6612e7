/* The smallest Windows program: the fixtures' resource scripts are linked into it. */
int main(void) {
    return 0;
}
