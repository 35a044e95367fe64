7
0, "quoted, with comma"
2.5, x
10, span
18.5, x
19.5, x
22.5, "quoted, with comma"
28, span
2
1, 1, 1, span
7, 1, 0, "quoted, with comma"
1
2E8, span
1
8.5E-6, x
6
1, 2
1, 1, 
2, 3, 1, 1, span
4, 3, 1, 1, "quoted, with comma"
4, 5, 1
1, x
6, 5, 1, 1, span
6, 7, 1, 1, 
4
6, 4, 2
8, 0.5, 0, x
5, 1, -5, 13, 1
0.25, "quoted, with comma"
6, 1, 10, -4, 0.5, 0.25, x
6, 4
3, 3
0, 0, "quoted, with comma"
1
6, -5, 3, 
