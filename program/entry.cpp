int qMain(int argc, char **argv);

int main(int argc, char **argv)
{
    return qMain(argc, argv);
}
