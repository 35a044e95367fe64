7
0, "quoted, with comma"
4.5, "quoted, with comma"
6, "quoted, with comma"
8, x
9.5, span
15, "quoted, with comma"
21.5, "quoted, with comma"
2
1, 1, 0, 
7, 1
0, 
1
2.1e+11, "quoted, with comma"
1
8.5E-6, 

6
1, 2, 1, 1, span
3, 2, 1
1, "quoted, with comma"
3, 4, 1, 1, "quoted, with comma"
4, 5, 1, 1, 
5, 6, 1, 1, span
6, 7, 1, 1, span

1
3, 1, 11, 13
1, 0, 
2
4, -5, 3, "quoted, with comma"
3
-2, 3, 
