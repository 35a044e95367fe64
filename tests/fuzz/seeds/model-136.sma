7
0, 
6, span
13, "quoted, with comma"
15.5, x
23, x
32, 
33, x
2
1, 1, 1, x
7, 1, 0, x
2
2.1e+11, span
2.1e+11, 
2
8.5E-6, 
8.5E-6, "quoted, with comma"
6
1, 2, 1, 2, span
2, 3, 2, 1, span
3, 4, 1, 1, "quoted, with comma"
4, 5
1, 1, "quoted, with comma"
5, 6
1, 1, span
6
7, 2, 2, "quoted, with comma"
0
0
